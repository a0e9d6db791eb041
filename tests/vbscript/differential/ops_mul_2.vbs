On Error Resume Next
Dim a, b, r
a = "1/2/2003" : b = "1/2/2003" : r = a * b : Show """1/2/2003"" * ""1/2/2003""", r
r = CByte(0) * #2/29/2000 11:59:59 PM# : Show "CByte(0) * #2/29/2000 11:59:59 PM#", r
Set a = New Plain : b = False : r = a * b : Show "New Plain * False", r
r = CDate(1.75) * False : Show "CDate(1.75) * False", r
r = CSng(1.5) * CLng(-2147483647) : Show "CSng(1.5) * CLng(-2147483647)", r
a = 40000 : b = Array(1, "x") : r = a * b : Show "40000 * Array(1, ""x"")", r
a = CCur(-0.5) : b = CSng(1.5) : r = a * b : Show "CCur(-0.5) * CSng(1.5)", r
r = "1E3" * "True" : Show """1E3"" * ""True""", r
a = "12" : b = "-0" : r = a * b : Show """12"" * ""-0""", r
a = CDate(1.75) : b = "-0" : r = a * b : Show "CDate(1.75) * ""-0""", r
