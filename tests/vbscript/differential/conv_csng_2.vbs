On Error Resume Next
Dim a, b, r
' CSng of each operand
a = 40000 : r = CSng(a) : Show "40000", r
a = #2/29/2000 11:59:59 PM# : r = CSng(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CInt(-32768) : r = CSng(a) : Show "CInt(-32768)", r
a = 0 : r = CSng(a) : Show "0", r
Set a = New Plain : r = CSng(a) : Show "New Plain", r
Set a = New Valued : r = CSng(a) : Show "New Valued", r
a = "1E3" : r = CSng(a) : Show """1E3""", r
a = 2.5 : r = CSng(a) : Show "2.5", r
a = CCur(-0.5) : r = CSng(a) : Show "CCur(-0.5)", r
a = CLng(-2147483647) : r = CSng(a) : Show "CLng(-2147483647)", r
a = Empty : r = CSng(a) : Show "Empty", r
a = "12" : r = CSng(a) : Show """12""", r
a = #6:30:00 PM# : r = CSng(a) : Show "#6:30:00 PM#", r
a = "" : r = CSng(a) : Show """""", r
a = CByte(0) : r = CSng(a) : Show "CByte(0)", r
a = "1/2/2003" : r = CSng(a) : Show """1/2/2003""", r
a = 2147483647 : r = CSng(a) : Show "2147483647", r
a = 12 : r = CSng(a) : Show "12", r
a = "-0" : r = CSng(a) : Show """-0""", r
a = CCur(0.0001) : r = CSng(a) : Show "CCur(0.0001)", r
a = CByte(7) : r = CSng(a) : Show "CByte(7)", r
a = CLng(5) : r = CSng(a) : Show "CLng(5)", r
a = CSng(1.5) : r = CSng(a) : Show "CSng(1.5)", r
