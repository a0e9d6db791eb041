On Error Resume Next
Dim a, b, r
r = ((-3 Imp (New Valued)) \ CStr(CByte(7)) = CCur(-0.5)) : Show "e1", r
r = CInt(CCur(12.3456)) : Show "e2", r
r = #1/2/2003# < #1/2/2003# : Show "e3", r
r = Len((Not Null)) And (-(CByte(7) > #1/2/2003#)) : Show "e4", r
r = CInt((Not CSng(1.5))) Eqv (40000 * -3 <> (CCur(12.3456) Mod CSng(1.5))) : Show "e5", r
r = ((CCur(-0.5) Or 2.5) \ (New Valued)) > " 3.5 " * 2.5 And (Not 12) : Show "e6", r
