On Error Resume Next
Dim a, b, r
' CLng of each operand
a = CInt(32767) : r = CLng(a) : Show "CInt(32767)", r
a = "True" : r = CLng(a) : Show """True""", r
a = "-0" : r = CLng(a) : Show """-0""", r
a = -1E+300 : r = CLng(a) : Show "-1E+300", r
a = 2147483647 : r = CLng(a) : Show "2147483647", r
a = "" : r = CLng(a) : Show """""", r
a = #6:30:00 PM# : r = CLng(a) : Show "#6:30:00 PM#", r
a = 40000 : r = CLng(a) : Show "40000", r
a = (1 / 3) : r = CLng(a) : Show "(1 / 3)", r
a = CByte(255) : r = CLng(a) : Show "CByte(255)", r
a = CDate(1.75) : r = CLng(a) : Show "CDate(1.75)", r
a = CByte(7) : r = CLng(a) : Show "CByte(7)", r
a = CSng(-0.1) : r = CLng(a) : Show "CSng(-0.1)", r
a = "1/2/2003" : r = CLng(a) : Show """1/2/2003""", r
a = 1E+308 : r = CLng(a) : Show "1E+308", r
a = -3 : r = CLng(a) : Show "-3", r
a = "abc" : r = CLng(a) : Show """abc""", r
a = #12/30/1899# : r = CLng(a) : Show "#12/30/1899#", r
a = Array(1, "x") : r = CLng(a) : Show "Array(1, ""x"")", r
Set a = New Plain : r = CLng(a) : Show "New Plain", r
a = CLng(-2147483647) : r = CLng(a) : Show "CLng(-2147483647)", r
a = Empty : r = CLng(a) : Show "Empty", r
a = CLng(5) : r = CLng(a) : Show "CLng(5)", r
