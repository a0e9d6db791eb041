On Error Resume Next
Dim a, b, r
a = 2147483647 : b = 2.5 : r = a Mod b : Show "2147483647 Mod 2.5", r
r = CByte(7) Mod #6:30:00 PM# : Show "CByte(7) Mod #6:30:00 PM#", r
a = CCur(922337203685477) : b = CDate(1.75) : r = a Mod b : Show "CCur(922337203685477) Mod CDate(1.75)", r
r = CLng(5) Mod CSng(-0.1) : Show "CLng(5) Mod CSng(-0.1)", r
r = CLng(-2147483647) Mod CSng(3E+38) : Show "CLng(-2147483647) Mod CSng(3E+38)", r
a = 0 : Set b = New Plain : r = a Mod b : Show "0 Mod New Plain", r
a = CByte(7) : b = True : r = a Mod b : Show "CByte(7) Mod True", r
r = CLng(5) Mod True : Show "CLng(5) Mod True", r
a = 12 : b = Empty : r = a Mod b : Show "12 Mod Empty", r
a = #6:30:00 PM# : b = "1E3" : r = a Mod b : Show "#6:30:00 PM# Mod ""1E3""", r
