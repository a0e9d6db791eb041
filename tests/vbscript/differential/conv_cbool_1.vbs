On Error Resume Next
Dim a, b, r
' CBool of each operand
a = 2.5 : r = CBool(a) : Show "2.5", r
a = Null : r = CBool(a) : Show "Null", r
a = 40000 : r = CBool(a) : Show "40000", r
a = "" : r = CBool(a) : Show """""", r
a = (1 / 3) : r = CBool(a) : Show "(1 / 3)", r
a = False : r = CBool(a) : Show "False", r
a = CByte(255) : r = CBool(a) : Show "CByte(255)", r
a = "1E3" : r = CBool(a) : Show """1E3""", r
a = CInt(32767) : r = CBool(a) : Show "CInt(32767)", r
a = 0.1 : r = CBool(a) : Show "0.1", r
a = Array(1, "x") : r = CBool(a) : Show "Array(1, ""x"")", r
a = CCur(0.0001) : r = CBool(a) : Show "CCur(0.0001)", r
a = CSng(3E+38) : r = CBool(a) : Show "CSng(3E+38)", r
a = 1E+308 : r = CBool(a) : Show "1E+308", r
a = CCur(12.3456) : r = CBool(a) : Show "CCur(12.3456)", r
a = "abc" : r = CBool(a) : Show """abc""", r
a = "12" : r = CBool(a) : Show """12""", r
a = #2/29/2000 11:59:59 PM# : r = CBool(a) : Show "#2/29/2000 11:59:59 PM#", r
a = "True" : r = CBool(a) : Show """True""", r
Set a = New Plain : r = CBool(a) : Show "New Plain", r
a = CByte(7) : r = CBool(a) : Show "CByte(7)", r
a = " 3.5 " : r = CBool(a) : Show """ 3.5 """, r
Set a = Nothing : r = CBool(a) : Show "Nothing", r
