On Error Resume Next
Dim a, b, r
r = (#1/2/2003# Xor 40000 <> CSng(1.5) * 0.1 Xor CSng(1.5)) : Show "e1", r
r = ((-Null = #1/2/2003#) & 2.5) : Show "e2", r
r = ((Not "12") Imp CCur(12.3456) Eqv CSng(1.5) / CLng(5)) : Show "e3", r
r = (0.1 = #1/2/2003# < CDbl(CLng(5)) Eqv CLng(CSng(1.5) Imp 12)) : Show "e4", r
r = (-(CSng(1.5) Xor #1/2/2003#)) > CLng(5) : Show "e5", r
r = (Not 40000) Eqv CSng(1.5) : Show "e6", r
