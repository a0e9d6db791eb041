On Error Resume Next
Dim a, b, r
r = (-CCur(#1/2/2003#) Eqv #1/2/2003# & True) : Show "e1", r
r = (CSng(1.5) Imp CByte(7)) >= (" 3.5 " Or CByte(7)) / (-3 = (-3 = CCur(-0.5))) : Show "e2", r
r = (False Xor (CSng(1.5) * True)) Or Len(CInt((New Valued))) : Show "e3", r
r = (Empty Imp 40000) = "12" Or CSng(1.5) * CCur((Not " 3.5 ")) : Show "e4", r
r = (-3 ^ " 3.5 " >= 12 + "abc" >= "abc") : Show "e5", r
r = (#1/2/2003# <= Abs(#1/2/2003#) * ((CCur(-0.5) Mod 0.1) - (0.1 & CByte(7)))) : Show "e6", r
