On Error Resume Next
Dim a, b, r
' CByte of each operand
a = Array(1, "x") : r = CByte(a) : Show "Array(1, ""x"")", r
a = "" : r = CByte(a) : Show """""", r
a = 2147483647 : r = CByte(a) : Show "2147483647", r
a = CSng(-0.1) : r = CByte(a) : Show "CSng(-0.1)", r
a = 2.5 : r = CByte(a) : Show "2.5", r
a = 12 : r = CByte(a) : Show "12", r
a = CCur(0.0001) : r = CByte(a) : Show "CCur(0.0001)", r
a = Empty : r = CByte(a) : Show "Empty", r
a = "&H10" : r = CByte(a) : Show """&H10""", r
a = CLng(5) : r = CByte(a) : Show "CLng(5)", r
a = "1/2/2003" : r = CByte(a) : Show """1/2/2003""", r
a = (1 / 3) : r = CByte(a) : Show "(1 / 3)", r
a = 0.1 : r = CByte(a) : Show "0.1", r
a = 40000 : r = CByte(a) : Show "40000", r
Set a = New Plain : r = CByte(a) : Show "New Plain", r
a = 0 : r = CByte(a) : Show "0", r
a = -1E+300 : r = CByte(a) : Show "-1E+300", r
a = " 3.5 " : r = CByte(a) : Show """ 3.5 """, r
a = "abc" : r = CByte(a) : Show """abc""", r
a = 1E+308 : r = CByte(a) : Show "1E+308", r
a = CByte(255) : r = CByte(a) : Show "CByte(255)", r
a = CByte(7) : r = CByte(a) : Show "CByte(7)", r
a = CLng(-2147483647) : r = CByte(a) : Show "CLng(-2147483647)", r
