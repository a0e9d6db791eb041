On Error Resume Next
Dim a, b, r
' CDate of each operand
a = #6:30:00 PM# : r = CDate(a) : Show "#6:30:00 PM#", r
Set a = New Valued : r = CDate(a) : Show "New Valued", r
a = "" : r = CDate(a) : Show """""", r
a = False : r = CDate(a) : Show "False", r
a = CByte(0) : r = CDate(a) : Show "CByte(0)", r
a = (1 / 3) : r = CDate(a) : Show "(1 / 3)", r
a = CCur(0.0001) : r = CDate(a) : Show "CCur(0.0001)", r
Set a = New Plain : r = CDate(a) : Show "New Plain", r
a = 12 : r = CDate(a) : Show "12", r
a = True : r = CDate(a) : Show "True", r
a = "1E3" : r = CDate(a) : Show """1E3""", r
a = CSng(-0.1) : r = CDate(a) : Show "CSng(-0.1)", r
a = Empty : r = CDate(a) : Show "Empty", r
a = CSng(3E+38) : r = CDate(a) : Show "CSng(3E+38)", r
a = 40000 : r = CDate(a) : Show "40000", r
a = CInt(-32768) : r = CDate(a) : Show "CInt(-32768)", r
a = CInt(32767) : r = CDate(a) : Show "CInt(32767)", r
a = #1/2/2003# : r = CDate(a) : Show "#1/2/2003#", r
a = 1E+308 : r = CDate(a) : Show "1E+308", r
a = 2147483647 : r = CDate(a) : Show "2147483647", r
a = "abc" : r = CDate(a) : Show """abc""", r
a = CLng(-2147483647) : r = CDate(a) : Show "CLng(-2147483647)", r
a = "-0" : r = CDate(a) : Show """-0""", r
