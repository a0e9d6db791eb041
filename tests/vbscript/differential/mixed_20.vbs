On Error Resume Next
Dim a, b, r
r = (Not False) Eqv CSng(1.5) Eqv #1/2/2003# * -3 : Show "e1", r
r = (CLng(5) Or Null Mod "abc") < ((Not 40000) <> #1/2/2003# <= -3) : Show "e2", r
r = -3 <> (Not False) Mod Abs(CSng(1.5)) : Show "e3", r
r = ((CSng(1.5) > 0.1 And CLng(5)) ^ Len(2.5)) : Show "e4", r
r = (CByte(7) >= (2.5 * (New Valued)) Xor Empty) : Show "e5", r
r = ((Null Eqv Null) Eqv CCur(12.3456) \ (#1/2/2003# Xor 0.1 Xor #1/2/2003# <= -3)) : Show "e6", r
