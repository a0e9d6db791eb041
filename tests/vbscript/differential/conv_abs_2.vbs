On Error Resume Next
Dim a, b, r
' Abs of each operand
a = CLng(-2147483647) : r = Abs(a) : Show "CLng(-2147483647)", r
a = CInt(-32768) : r = Abs(a) : Show "CInt(-32768)", r
a = CByte(7) : r = Abs(a) : Show "CByte(7)", r
a = (1 / 3) : r = Abs(a) : Show "(1 / 3)", r
a = CCur(12.3456) : r = Abs(a) : Show "CCur(12.3456)", r
a = #2/29/2000 11:59:59 PM# : r = Abs(a) : Show "#2/29/2000 11:59:59 PM#", r
a = Null : r = Abs(a) : Show "Null", r
a = 0 : r = Abs(a) : Show "0", r
a = 40000 : r = Abs(a) : Show "40000", r
a = CLng(5) : r = Abs(a) : Show "CLng(5)", r
a = "1E3" : r = Abs(a) : Show """1E3""", r
a = Array(1, "x") : r = Abs(a) : Show "Array(1, ""x"")", r
a = 1E+308 : r = Abs(a) : Show "1E+308", r
a = CSng(1.5) : r = Abs(a) : Show "CSng(1.5)", r
a = True : r = Abs(a) : Show "True", r
a = "&H10" : r = Abs(a) : Show """&H10""", r
a = CCur(0.0001) : r = Abs(a) : Show "CCur(0.0001)", r
a = "-0" : r = Abs(a) : Show """-0""", r
a = "1/2/2003" : r = Abs(a) : Show """1/2/2003""", r
a = Empty : r = Abs(a) : Show "Empty", r
a = False : r = Abs(a) : Show "False", r
Set a = New Valued : r = Abs(a) : Show "New Valued", r
a = 0.1 : r = Abs(a) : Show "0.1", r
