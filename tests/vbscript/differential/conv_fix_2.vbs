On Error Resume Next
Dim a, b, r
' Fix of each operand
a = 2147483647 : r = Fix(a) : Show "2147483647", r
a = " 3.5 " : r = Fix(a) : Show """ 3.5 """, r
a = 0 : r = Fix(a) : Show "0", r
a = "1/2/2003" : r = Fix(a) : Show """1/2/2003""", r
Set a = Nothing : r = Fix(a) : Show "Nothing", r
a = False : r = Fix(a) : Show "False", r
a = "&H10" : r = Fix(a) : Show """&H10""", r
a = "True" : r = Fix(a) : Show """True""", r
a = CCur(0.0001) : r = Fix(a) : Show "CCur(0.0001)", r
a = CInt(32767) : r = Fix(a) : Show "CInt(32767)", r
a = CLng(5) : r = Fix(a) : Show "CLng(5)", r
a = Empty : r = Fix(a) : Show "Empty", r
a = CSng(3E+38) : r = Fix(a) : Show "CSng(3E+38)", r
a = "" : r = Fix(a) : Show """""", r
a = 40000 : r = Fix(a) : Show "40000", r
a = #6:30:00 PM# : r = Fix(a) : Show "#6:30:00 PM#", r
a = CByte(255) : r = Fix(a) : Show "CByte(255)", r
a = Null : r = Fix(a) : Show "Null", r
a = CInt(-32768) : r = Fix(a) : Show "CInt(-32768)", r
a = CSng(-0.1) : r = Fix(a) : Show "CSng(-0.1)", r
a = Array(1, "x") : r = Fix(a) : Show "Array(1, ""x"")", r
a = 1E+308 : r = Fix(a) : Show "1E+308", r
a = CByte(7) : r = Fix(a) : Show "CByte(7)", r
