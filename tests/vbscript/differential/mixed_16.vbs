On Error Resume Next
Dim a, b, r
r = CCur(12.3456) Mod (True Imp 12 Xor ((New Valued) < CCur(12.3456))) : Show "e1", r
r = (-(-40000)) Xor #1/2/2003# : Show "e2", r
r = (40000 Or ((-2.5) Xor (CCur(-0.5) Imp True))) : Show "e3", r
r = ((CStr(2.5) Xor (Not #1/2/2003#)) Imp ((Empty + Null) < (" 3.5 " < " 3.5 "))) : Show "e4", r
r = CDbl(0.1) : Show "e5", r
r = (12 > CInt(12 < CCur(12.3456))) : Show "e6", r
