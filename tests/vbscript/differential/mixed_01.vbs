On Error Resume Next
Dim a, b, r
r = (12 Xor CLng(5)) <> "12" & Empty Xor "abc" Eqv "abc" : Show "e1", r
r = ((CLng(5) * 12) < CCur(12.3456) Xor "abc" + (False / True) <> False * True) : Show "e2", r
r = CDbl(#1/2/2003#) : Show "e3", r
r = CLng(Null) : Show "e4", r
r = 12 >= (New Valued) Eqv CByte(7) ^ (Empty <> Empty) : Show "e5", r
r = (CDbl(" 3.5 ") * 40000) : Show "e6", r
