On Error Resume Next
Dim a, b, r
' Round of each operand
a = True : r = Round(a) : Show "True", r
a = 40000 : r = Round(a) : Show "40000", r
Set a = Nothing : r = Round(a) : Show "Nothing", r
a = 2.5 : r = Round(a) : Show "2.5", r
a = CSng(-0.1) : r = Round(a) : Show "CSng(-0.1)", r
a = 0 : r = Round(a) : Show "0", r
a = "1E3" : r = Round(a) : Show """1E3""", r
a = "-0" : r = Round(a) : Show """-0""", r
a = 0.1 : r = Round(a) : Show "0.1", r
a = 1E+308 : r = Round(a) : Show "1E+308", r
a = CSng(1.5) : r = Round(a) : Show "CSng(1.5)", r
a = False : r = Round(a) : Show "False", r
a = CCur(0.0001) : r = Round(a) : Show "CCur(0.0001)", r
a = CByte(0) : r = Round(a) : Show "CByte(0)", r
a = "" : r = Round(a) : Show """""", r
a = "&H10" : r = Round(a) : Show """&H10""", r
a = #6:30:00 PM# : r = Round(a) : Show "#6:30:00 PM#", r
a = CLng(5) : r = Round(a) : Show "CLng(5)", r
a = Array(1, "x") : r = Round(a) : Show "Array(1, ""x"")", r
a = CByte(7) : r = Round(a) : Show "CByte(7)", r
a = "True" : r = Round(a) : Show """True""", r
a = CLng(-2147483647) : r = Round(a) : Show "CLng(-2147483647)", r
a = CSng(3E+38) : r = Round(a) : Show "CSng(3E+38)", r
