On Error Resume Next
Dim a, b, r
r = (((0.1 <= 40000) <= 0.1) < Null) : Show "e1", r
r = " 3.5 " <= (" 3.5 " / CLng(5) + 0.1) : Show "e2", r
r = (False / False) : Show "e3", r
r = False Mod ((-3 & False) < CCur(-0.5) / "abc") : Show "e4", r
r = (Not 12 Mod (CSng(1.5) < 40000)) : Show "e5", r
r = ((CCur(-0.5) Mod -3) = CSng(1.5) < -3) Or (CByte(7) = -3 & ("abc" < Null)) : Show "e6", r
