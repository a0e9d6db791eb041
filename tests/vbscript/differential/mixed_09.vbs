On Error Resume Next
Dim a, b, r
r = (((0.1 * #1/2/2003#) < 2.5) <> ((" 3.5 " = "12") And Null < CSng(1.5))) : Show "e1", r
r = (Not True Mod 2.5 <= 12) : Show "e2", r
r = CLng(5) - ("12" \ #1/2/2003#) : Show "e3", r
r = CDbl((-2.5) - Null) : Show "e4", r
r = (CStr(Null >= -3) Mod (40000 ^ Empty) <= (New Valued)) : Show "e5", r
r = (CStr((12 & " 3.5 ")) & (-2.5 * CLng(5))) : Show "e6", r
