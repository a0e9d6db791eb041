On Error Resume Next
Dim a, b, r
r = CStr(40000 Imp False <= CLng(5) Mod 2.5) : Show "e1", r
r = (("abc" Or True Or CStr(40000)) Or (New Valued)) : Show "e2", r
r = -3 / " 3.5 " : Show "e3", r
r = ("12" - (Not 12 Mod CByte(7))) : Show "e4", r
r = CSng(1.5) < ("12" - #1/2/2003#) Mod (" 3.5 " Eqv Empty Eqv (CCur(-0.5) > #1/2/2003#)) : Show "e5", r
r = (Not ("abc" & #1/2/2003#)) <> CLng(12) >= CSng(1.5) >= CCur(-0.5) : Show "e6", r
