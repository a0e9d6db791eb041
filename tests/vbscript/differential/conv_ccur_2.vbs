On Error Resume Next
Dim a, b, r
' CCur of each operand
a = 12 : r = CCur(a) : Show "12", r
a = Null : r = CCur(a) : Show "Null", r
a = CCur(0.0001) : r = CCur(a) : Show "CCur(0.0001)", r
a = CSng(1.5) : r = CCur(a) : Show "CSng(1.5)", r
a = Empty : r = CCur(a) : Show "Empty", r
a = CInt(-32768) : r = CCur(a) : Show "CInt(-32768)", r
Set a = New Plain : r = CCur(a) : Show "New Plain", r
a = CLng(5) : r = CCur(a) : Show "CLng(5)", r
a = 2147483647 : r = CCur(a) : Show "2147483647", r
a = Array(1, "x") : r = CCur(a) : Show "Array(1, ""x"")", r
a = #12/30/1899# : r = CCur(a) : Show "#12/30/1899#", r
a = 2.5 : r = CCur(a) : Show "2.5", r
a = (1 / 3) : r = CCur(a) : Show "(1 / 3)", r
a = "" : r = CCur(a) : Show """""", r
a = CDate(1.75) : r = CCur(a) : Show "CDate(1.75)", r
a = "True" : r = CCur(a) : Show """True""", r
a = "-0" : r = CCur(a) : Show """-0""", r
a = CInt(32767) : r = CCur(a) : Show "CInt(32767)", r
a = 40000 : r = CCur(a) : Show "40000", r
a = CSng(-0.1) : r = CCur(a) : Show "CSng(-0.1)", r
a = #6:30:00 PM# : r = CCur(a) : Show "#6:30:00 PM#", r
a = "1/2/2003" : r = CCur(a) : Show """1/2/2003""", r
a = #1/2/2003# : r = CCur(a) : Show "#1/2/2003#", r
