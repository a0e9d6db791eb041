On Error Resume Next
Dim a, b, r
r = ("12" And " 3.5 ") Xor CSng(1.5) : Show "e1", r
r = ((Not #1/2/2003#) Eqv CCur(12.3456) > Abs("abc")) : Show "e2", r
r = Abs(CInt((Not CCur(12.3456)))) : Show "e3", r
r = ("12" Mod (False Imp True - False)) : Show "e4", r
r = CLng(5) < CLng(" 3.5 ") : Show "e5", r
r = (CCur(12.3456) Eqv (CSng(1.5) <> CByte(7)) = -3) : Show "e6", r
