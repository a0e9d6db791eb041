On Error Resume Next
Dim a, b, r
r = "12" * Empty : Show """12"" * Empty", r
Set a = Nothing : b = #2/29/2000 11:59:59 PM# : r = a * b : Show "Nothing * #2/29/2000 11:59:59 PM#", r
Set a = New Plain : b = CCur(-0.5) : r = a * b : Show "New Plain * CCur(-0.5)", r
a = -3 : b = "-0" : r = a * b : Show "-3 * ""-0""", r
a = "1E3" : b = Empty : r = a * b : Show """1E3"" * Empty", r
r = "True" * "1/2/2003" : Show """True"" * ""1/2/2003""", r
a = CSng(1.5) : b = "1E3" : r = a * b : Show "CSng(1.5) * ""1E3""", r
r = CByte(255) * (1 / 3) : Show "CByte(255) * (1 / 3)", r
r = 0 * CCur(922337203685477) : Show "0 * CCur(922337203685477)", r
a = -3 : Set b = New Plain : r = a * b : Show "-3 * New Plain", r
