On Error Resume Next
Dim a, b, r
' Oct of each operand
a = 1E+308 : r = Oct(a) : Show "1E+308", r
a = "-0" : r = Oct(a) : Show """-0""", r
a = CInt(-32768) : r = Oct(a) : Show "CInt(-32768)", r
a = #12/30/1899# : r = Oct(a) : Show "#12/30/1899#", r
a = 12 : r = Oct(a) : Show "12", r
a = CLng(5) : r = Oct(a) : Show "CLng(5)", r
a = True : r = Oct(a) : Show "True", r
a = 2.5 : r = Oct(a) : Show "2.5", r
a = " 3.5 " : r = Oct(a) : Show """ 3.5 """, r
a = 0.1 : r = Oct(a) : Show "0.1", r
a = Null : r = Oct(a) : Show "Null", r
a = CCur(-0.5) : r = Oct(a) : Show "CCur(-0.5)", r
a = "1E3" : r = Oct(a) : Show """1E3""", r
a = CDate(1.75) : r = Oct(a) : Show "CDate(1.75)", r
a = -3 : r = Oct(a) : Show "-3", r
a = 2147483647 : r = Oct(a) : Show "2147483647", r
a = CByte(7) : r = Oct(a) : Show "CByte(7)", r
a = CSng(-0.1) : r = Oct(a) : Show "CSng(-0.1)", r
a = (1 / 3) : r = Oct(a) : Show "(1 / 3)", r
Set a = New Plain : r = Oct(a) : Show "New Plain", r
a = "" : r = Oct(a) : Show """""", r
a = #6:30:00 PM# : r = Oct(a) : Show "#6:30:00 PM#", r
a = -1E+300 : r = Oct(a) : Show "-1E+300", r
