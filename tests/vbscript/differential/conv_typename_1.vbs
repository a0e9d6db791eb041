On Error Resume Next
Dim a, b, r
' TypeName of each operand
a = CSng(-0.1) : r = TypeName(a) : Show "CSng(-0.1)", r
a = "True" : r = TypeName(a) : Show """True""", r
a = Empty : r = TypeName(a) : Show "Empty", r
a = "1/2/2003" : r = TypeName(a) : Show """1/2/2003""", r
a = "-0" : r = TypeName(a) : Show """-0""", r
a = CByte(255) : r = TypeName(a) : Show "CByte(255)", r
a = 2147483647 : r = TypeName(a) : Show "2147483647", r
a = 0 : r = TypeName(a) : Show "0", r
a = #6:30:00 PM# : r = TypeName(a) : Show "#6:30:00 PM#", r
a = -3 : r = TypeName(a) : Show "-3", r
a = CLng(-2147483647) : r = TypeName(a) : Show "CLng(-2147483647)", r
a = CByte(7) : r = TypeName(a) : Show "CByte(7)", r
a = CSng(1.5) : r = TypeName(a) : Show "CSng(1.5)", r
a = False : r = TypeName(a) : Show "False", r
a = Null : r = TypeName(a) : Show "Null", r
a = (1 / 3) : r = TypeName(a) : Show "(1 / 3)", r
a = CByte(0) : r = TypeName(a) : Show "CByte(0)", r
a = CLng(5) : r = TypeName(a) : Show "CLng(5)", r
a = CCur(12.3456) : r = TypeName(a) : Show "CCur(12.3456)", r
a = CInt(-32768) : r = TypeName(a) : Show "CInt(-32768)", r
a = CSng(3E+38) : r = TypeName(a) : Show "CSng(3E+38)", r
a = "1E3" : r = TypeName(a) : Show """1E3""", r
a = " 3.5 " : r = TypeName(a) : Show """ 3.5 """, r
