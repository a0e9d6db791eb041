On Error Resume Next
Dim a, b, r
' Int of each operand
a = True : r = Int(a) : Show "True", r
a = 40000 : r = Int(a) : Show "40000", r
a = "1/2/2003" : r = Int(a) : Show """1/2/2003""", r
a = 2147483647 : r = Int(a) : Show "2147483647", r
a = CLng(5) : r = Int(a) : Show "CLng(5)", r
a = #1/2/2003# : r = Int(a) : Show "#1/2/2003#", r
a = CSng(1.5) : r = Int(a) : Show "CSng(1.5)", r
a = Null : r = Int(a) : Show "Null", r
a = CByte(255) : r = Int(a) : Show "CByte(255)", r
a = CSng(-0.1) : r = Int(a) : Show "CSng(-0.1)", r
a = False : r = Int(a) : Show "False", r
a = CByte(7) : r = Int(a) : Show "CByte(7)", r
a = CInt(-32768) : r = Int(a) : Show "CInt(-32768)", r
Set a = New Plain : r = Int(a) : Show "New Plain", r
a = CDate(1.75) : r = Int(a) : Show "CDate(1.75)", r
a = CCur(922337203685477) : r = Int(a) : Show "CCur(922337203685477)", r
a = "12" : r = Int(a) : Show """12""", r
a = 2.5 : r = Int(a) : Show "2.5", r
a = -1E+300 : r = Int(a) : Show "-1E+300", r
a = Array(1, "x") : r = Int(a) : Show "Array(1, ""x"")", r
a = "-0" : r = Int(a) : Show """-0""", r
a = " 3.5 " : r = Int(a) : Show """ 3.5 """, r
a = "1E3" : r = Int(a) : Show """1E3""", r
