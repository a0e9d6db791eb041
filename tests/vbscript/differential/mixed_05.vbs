On Error Resume Next
Dim a, b, r
r = (" 3.5 " - (New Valued)) : Show "e1", r
r = (CInt(True) Mod CByte(7) Imp CSng(1.5)) Xor Null : Show "e2", r
r = "12" * (-#1/2/2003# / #1/2/2003#) : Show "e3", r
r = (CCur(-0.5) Mod CCur(-0.5) <> " 3.5 " / 0.1) And CCur(12.3456) : Show "e4", r
r = (CCur(" 3.5 ") / ("12" = "abc")) Imp (-"12") = (Not -3) : Show "e5", r
r = (-CCur(Empty)) Mod (" 3.5 " - Null) / (0.1 ^ 2.5) : Show "e6", r
