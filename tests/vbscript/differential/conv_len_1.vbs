On Error Resume Next
Dim a, b, r
' Len of each operand
a = CSng(1.5) : r = Len(a) : Show "CSng(1.5)", r
a = CSng(3E+38) : r = Len(a) : Show "CSng(3E+38)", r
a = CInt(-32768) : r = Len(a) : Show "CInt(-32768)", r
a = CCur(0.0001) : r = Len(a) : Show "CCur(0.0001)", r
a = Null : r = Len(a) : Show "Null", r
a = Empty : r = Len(a) : Show "Empty", r
a = #2/29/2000 11:59:59 PM# : r = Len(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CLng(-2147483647) : r = Len(a) : Show "CLng(-2147483647)", r
Set a = New Valued : r = Len(a) : Show "New Valued", r
a = 1E+308 : r = Len(a) : Show "1E+308", r
a = CCur(12.3456) : r = Len(a) : Show "CCur(12.3456)", r
a = #1/2/2003# : r = Len(a) : Show "#1/2/2003#", r
a = (1 / 3) : r = Len(a) : Show "(1 / 3)", r
a = 40000 : r = Len(a) : Show "40000", r
a = "True" : r = Len(a) : Show """True""", r
a = CByte(0) : r = Len(a) : Show "CByte(0)", r
a = "1E3" : r = Len(a) : Show """1E3""", r
a = CCur(922337203685477) : r = Len(a) : Show "CCur(922337203685477)", r
a = "" : r = Len(a) : Show """""", r
a = CCur(-0.5) : r = Len(a) : Show "CCur(-0.5)", r
a = CDate(1.75) : r = Len(a) : Show "CDate(1.75)", r
a = CInt(32767) : r = Len(a) : Show "CInt(32767)", r
a = "1/2/2003" : r = Len(a) : Show """1/2/2003""", r
