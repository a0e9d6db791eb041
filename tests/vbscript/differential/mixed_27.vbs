On Error Resume Next
Dim a, b, r
r = ((-3 + 12) / (-#1/2/2003#) Imp CSng(1.5)) : Show "e1", r
r = (Not (-CByte(7)) <= "12" Or -3) : Show "e2", r
r = (Not Null Or CSng(1.5) <> CByte(7) / False) : Show "e3", r
r = (40000 ^ True) : Show "e4", r
r = ((CCur(-0.5) >= (New Valued) & True) Or ((Not "12") And CCur(12.3456))) : Show "e5", r
r = True >= Empty : Show "e6", r
