On Error Resume Next
Dim a, b, r
' Not of each operand
a = 0 : r = Not a : Show "0", r
a = "abc" : r = Not a : Show """abc""", r
a = CCur(12.3456) : r = Not a : Show "CCur(12.3456)", r
a = Null : r = Not a : Show "Null", r
a = Array(1, "x") : r = Not a : Show "Array(1, ""x"")", r
Set a = New Valued : r = Not a : Show "New Valued", r
a = CLng(-2147483647) : r = Not a : Show "CLng(-2147483647)", r
a = CLng(5) : r = Not a : Show "CLng(5)", r
a = "1/2/2003" : r = Not a : Show """1/2/2003""", r
a = CByte(255) : r = Not a : Show "CByte(255)", r
a = "1E3" : r = Not a : Show """1E3""", r
a = 2.5 : r = Not a : Show "2.5", r
a = CInt(32767) : r = Not a : Show "CInt(32767)", r
a = CSng(1.5) : r = Not a : Show "CSng(1.5)", r
a = CSng(-0.1) : r = Not a : Show "CSng(-0.1)", r
Set a = New Plain : r = Not a : Show "New Plain", r
a = False : r = Not a : Show "False", r
a = CByte(7) : r = Not a : Show "CByte(7)", r
a = CCur(-0.5) : r = Not a : Show "CCur(-0.5)", r
a = CSng(3E+38) : r = Not a : Show "CSng(3E+38)", r
a = -1E+300 : r = Not a : Show "-1E+300", r
a = "" : r = Not a : Show """""", r
a = True : r = Not a : Show "True", r
