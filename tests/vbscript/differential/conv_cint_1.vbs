On Error Resume Next
Dim a, b, r
' CInt of each operand
a = -1E+300 : r = CInt(a) : Show "-1E+300", r
a = False : r = CInt(a) : Show "False", r
a = "&H10" : r = CInt(a) : Show """&H10""", r
a = 40000 : r = CInt(a) : Show "40000", r
a = CSng(1.5) : r = CInt(a) : Show "CSng(1.5)", r
a = "" : r = CInt(a) : Show """""", r
a = CCur(-0.5) : r = CInt(a) : Show "CCur(-0.5)", r
a = Array(1, "x") : r = CInt(a) : Show "Array(1, ""x"")", r
a = "1E3" : r = CInt(a) : Show """1E3""", r
a = -3 : r = CInt(a) : Show "-3", r
a = 1E+308 : r = CInt(a) : Show "1E+308", r
a = CByte(7) : r = CInt(a) : Show "CByte(7)", r
a = True : r = CInt(a) : Show "True", r
a = #6:30:00 PM# : r = CInt(a) : Show "#6:30:00 PM#", r
a = CByte(0) : r = CInt(a) : Show "CByte(0)", r
a = CLng(5) : r = CInt(a) : Show "CLng(5)", r
a = 2.5 : r = CInt(a) : Show "2.5", r
a = CLng(-2147483647) : r = CInt(a) : Show "CLng(-2147483647)", r
a = "True" : r = CInt(a) : Show """True""", r
a = 2147483647 : r = CInt(a) : Show "2147483647", r
a = 0.1 : r = CInt(a) : Show "0.1", r
Set a = New Plain : r = CInt(a) : Show "New Plain", r
a = CInt(-32768) : r = CInt(a) : Show "CInt(-32768)", r
