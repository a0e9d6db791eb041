On Error Resume Next
Dim a, b, r
r = (Abs(#1/2/2003#) / CByte(7) - Len((Not False))) : Show "e1", r
r = ((("12" \ 40000) And (Not CByte(7))) ^ (-2.5) \ (CCur(-0.5) <> True)) : Show "e2", r
r = CCur(-0.5) + (0.1 <= CSng(1.5)) Imp (Not " 3.5 ") Mod 2.5 And " 3.5 " : Show "e3", r
r = CSng(1.5) < 12 : Show "e4", r
r = ((New Valued) ^ (-(-True))) : Show "e5", r
r = ((False <= 12) Imp "12" * (CCur(12) * (0.1 & CCur(12.3456)))) : Show "e6", r
