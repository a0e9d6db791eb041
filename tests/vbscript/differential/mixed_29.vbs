On Error Resume Next
Dim a, b, r
r = (-(CCur(12.3456) Imp -3)) Mod ((CSng(1.5) <= -3) & CCur(Null)) : Show "e1", r
r = "12" And (New Valued) : Show "e2", r
r = (((-3 < 2.5) & False) Or Len(12)) : Show "e3", r
r = (-CCur(-0.5)) + (Null = CSng(1.5)) \ (Null Or CByte(7) = Len(Null)) : Show "e4", r
r = ((CSng(1.5) Xor CSng(1.5)) Xor "12" \ False & 40000) : Show "e5", r
r = ((CCur(12.3456) Xor #1/2/2003# * 0.1 And 0.1) Or True) : Show "e6", r
