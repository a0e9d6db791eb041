On Error Resume Next
Dim a, b, r
' VarType of each operand
a = 1E+308 : r = VarType(a) : Show "1E+308", r
a = "" : r = VarType(a) : Show """""", r
a = 12 : r = VarType(a) : Show "12", r
Set a = New Valued : r = VarType(a) : Show "New Valued", r
a = CSng(3E+38) : r = VarType(a) : Show "CSng(3E+38)", r
a = CDate(1.75) : r = VarType(a) : Show "CDate(1.75)", r
a = CCur(-0.5) : r = VarType(a) : Show "CCur(-0.5)", r
a = -1E+300 : r = VarType(a) : Show "-1E+300", r
a = CInt(-32768) : r = VarType(a) : Show "CInt(-32768)", r
a = CByte(0) : r = VarType(a) : Show "CByte(0)", r
a = "abc" : r = VarType(a) : Show """abc""", r
a = CLng(-2147483647) : r = VarType(a) : Show "CLng(-2147483647)", r
a = 2147483647 : r = VarType(a) : Show "2147483647", r
a = #6:30:00 PM# : r = VarType(a) : Show "#6:30:00 PM#", r
a = "&H10" : r = VarType(a) : Show """&H10""", r
Set a = New Plain : r = VarType(a) : Show "New Plain", r
a = False : r = VarType(a) : Show "False", r
a = CInt(32767) : r = VarType(a) : Show "CInt(32767)", r
a = CCur(922337203685477) : r = VarType(a) : Show "CCur(922337203685477)", r
a = True : r = VarType(a) : Show "True", r
a = " 3.5 " : r = VarType(a) : Show """ 3.5 """, r
a = "1E3" : r = VarType(a) : Show """1E3""", r
a = #2/29/2000 11:59:59 PM# : r = VarType(a) : Show "#2/29/2000 11:59:59 PM#", r
