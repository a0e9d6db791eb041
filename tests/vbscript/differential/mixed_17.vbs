On Error Resume Next
Dim a, b, r
r = (CStr((CSng(1.5) Imp 2.5)) <> (12 <> "12" > False & 2.5)) : Show "e1", r
r = (Not Abs(CCur(-0.5))) : Show "e2", r
r = ((CLng(5) <> Empty <> #1/2/2003#) - "12" And (-0.1)) : Show "e3", r
r = Null + 40000 And (New Valued) > 0.1 / (CByte(7) Mod 12 < (Not True)) : Show "e4", r
r = ((2.5 < -3) Eqv Null ^ CCur(-0.5) ^ (New Valued) ^ 2.5 < #1/2/2003#) : Show "e5", r
r = ((-Null) / 0.1) : Show "e6", r
