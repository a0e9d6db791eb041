On Error Resume Next
Dim a, b, r
r = (CSng(1.5) + (-3 + -3) / Null) : Show "e1", r
r = ((New Valued) <= CCur(12.3456) ^ CByte(7) Or "abc" & CDbl(Empty) <> (2.5 Mod "abc")) : Show "e2", r
r = 0.1 ^ Null : Show "e3", r
r = ((CCur(40000) - CInt(Empty)) <> True) : Show "e4", r
r = ((-3 Or #1/2/2003# > True And 2.5) * ("abc" = (-3 * Empty))) : Show "e5", r
r = ("12" + CDbl(True + True)) : Show "e6", r
