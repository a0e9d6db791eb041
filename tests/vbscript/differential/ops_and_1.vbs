On Error Resume Next
Dim a, b, r
r = CByte(0) And "1E3" : Show "CByte(0) And ""1E3""", r
a = #12/30/1899# : b = 0 : r = a And b : Show "#12/30/1899# And 0", r
r = 40000 And -3 : Show "40000 And -3", r
a = CSng(1.5) : b = 2.5 : r = a And b : Show "CSng(1.5) And 2.5", r
a = "-0" : b = CByte(7) : r = a And b : Show """-0"" And CByte(7)", r
r = CLng(-2147483647) And CInt(-32768) : Show "CLng(-2147483647) And CInt(-32768)", r
a = CByte(0) : Set b = New Valued : r = a And b : Show "CByte(0) And New Valued", r
a = CCur(922337203685477) : b = True : r = a And b : Show "CCur(922337203685477) And True", r
a = CByte(7) : Set b = New Plain : r = a And b : Show "CByte(7) And New Plain", r
r = CByte(0) And Empty : Show "CByte(0) And Empty", r
