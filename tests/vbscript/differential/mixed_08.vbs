On Error Resume Next
Dim a, b, r
r = ((-CCur(Empty)) * #1/2/2003# Eqv CLng(5)) : Show "e1", r
r = ((-3 <> True) Imp CCur(-0.5)) Xor (Empty Eqv (New Valued)) <> Null : Show "e2", r
r = ("12" Or Empty) Imp 0.1 / True : Show "e3", r
r = True > ((CCur(-0.5) + CCur(-0.5)) Imp 12) : Show "e4", r
r = CDbl((-3 = (--3))) : Show "e5", r
r = ((CCur(-0.5) >= Empty) ^ ((Not -3) Or (CByte(7) >= False))) : Show "e6", r
