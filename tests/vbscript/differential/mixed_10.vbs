On Error Resume Next
Dim a, b, r
r = (CInt(" 3.5 ") And 0.1 Imp (-True ^ CByte(7))) : Show "e1", r
r = (#1/2/2003# Eqv CStr(2.5)) Or ((-CCur(-0.5)) + Empty > #1/2/2003#) : Show "e2", r
r = CInt(("abc" & CCur(12.3456) & "abc")) : Show "e3", r
r = (Not (-(0.1 - #1/2/2003#))) : Show "e4", r
r = (CCur(12.3456) <> "12" = 2.5 >= (Not False)) : Show "e5", r
r = (((12 Or Empty) - (CCur(-0.5) >= (New Valued))) > (-"12") <> #1/2/2003#) : Show "e6", r
