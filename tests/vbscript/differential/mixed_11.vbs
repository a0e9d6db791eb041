On Error Resume Next
Dim a, b, r
r = ((Not CCur(-0.5) = Empty) >= ("12" = (-CByte(7)))) : Show "e1", r
r = (Len((False <> 40000)) Imp Null & "12" Or ("12" Eqv 0.1)) : Show "e2", r
r = (-#1/2/2003# - CCur(-0.5) Imp CByte(7)) : Show "e3", r
r = ("abc" Eqv (--3 Imp 0.1)) : Show "e4", r
r = (True / (New Valued) * 0.1) / Len(Empty) Xor (Not #1/2/2003#) : Show "e5", r
r = ((CCur(-0.5) Xor 12 ^ (Null Imp CCur(12.3456))) = " 3.5 ") : Show "e6", r
