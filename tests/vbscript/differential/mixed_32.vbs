On Error Resume Next
Dim a, b, r
r = CLng((-Empty)) : Show "e1", r
r = ((("12" And 2.5) Eqv Len(False)) >= ((-CCur(-0.5)) * 0.1)) : Show "e2", r
r = (Not 2.5) ^ (0.1 <> 12) Mod CLng(5) : Show "e3", r
r = (CCur(12.3456) Imp Null) Mod (Null Or CCur(12.3456)) * Null : Show "e4", r
r = (Not -3 / "abc" <= (--3)) : Show "e5", r
r = (Not 12) & (New Valued) - "12" - CCur(-0.5) : Show "e6", r
