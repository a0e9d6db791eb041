On Error Resume Next
Dim a, b, r
r = (-12) : Show "e1", r
r = (CDbl(Empty) <= CDbl(-3)) > 12 * (New Valued) <= CCur(-0.5) >= " 3.5 " : Show "e2", r
r = (CLng(5) - CSng(1.5)) <= (#1/2/2003# ^ 12) Eqv " 3.5 " : Show "e3", r
r = CLng(#1/2/2003#) : Show "e4", r
r = ((New Valued) <> ((CSng(1.5) > False) / (12 <> CByte(7)))) : Show "e5", r
r = CDbl(False) Imp CCur(CByte(7)) \ CCur(" 3.5 " & 40000) : Show "e6", r
