On Error Resume Next
Dim a, b, r
r = CStr((Not (#1/2/2003# Mod CCur(12.3456)))) : Show "e1", r
r = ((Abs(CCur(-0.5)) & CByte(7) > CLng(5)) > ("12" Or CCur(12.3456) Imp True)) : Show "e2", r
r = (CLng(5) < 2.5) : Show "e3", r
r = (((CByte(7) Imp Null) <= CCur(-0.5) >= Null) = (CSng(1.5) <= "12") \ ("abc" <> Empty)) : Show "e4", r
r = CInt("abc") : Show "e5", r
r = (Not " 3.5 ") : Show "e6", r
