On Error Resume Next
Dim a, b, r
r = (((False <= 0.1) >= (--3)) < 12 <> 12 / CCur(-0.5)) : Show "e1", r
r = -3 \ 0.1 Xor CCur(-0.5) Xor CCur(12.3456) < 2.5 : Show "e2", r
r = ((#1/2/2003# > CSng(1.5)) < (2.5 Xor #1/2/2003#)) > CCur(12.3456) * "12" \ CStr(CByte(7)) : Show "e3", r
r = (((-2.5) < Len(Null)) ^ CLng(5)) : Show "e4", r
r = (Not (Not Null) = CStr(-3)) : Show "e5", r
r = ((Not CByte(7) \ CLng(5)) \ 0.1) : Show "e6", r
