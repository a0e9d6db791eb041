On Error Resume Next
Dim a, b, r
' - of each operand
a = CDate(1.75) : r = -a : Show "CDate(1.75)", r
a = CInt(32767) : r = -a : Show "CInt(32767)", r
a = CCur(922337203685477) : r = -a : Show "CCur(922337203685477)", r
a = CByte(255) : r = -a : Show "CByte(255)", r
a = CSng(1.5) : r = -a : Show "CSng(1.5)", r
a = Array(1, "x") : r = -a : Show "Array(1, ""x"")", r
a = "-0" : r = -a : Show """-0""", r
a = CSng(-0.1) : r = -a : Show "CSng(-0.1)", r
a = CSng(3E+38) : r = -a : Show "CSng(3E+38)", r
a = " 3.5 " : r = -a : Show """ 3.5 """, r
a = 40000 : r = -a : Show "40000", r
a = CInt(-32768) : r = -a : Show "CInt(-32768)", r
a = CByte(7) : r = -a : Show "CByte(7)", r
a = Empty : r = -a : Show "Empty", r
a = "&H10" : r = -a : Show """&H10""", r
a = (1 / 3) : r = -a : Show "(1 / 3)", r
a = "1E3" : r = -a : Show """1E3""", r
a = 0.1 : r = -a : Show "0.1", r
a = CLng(-2147483647) : r = -a : Show "CLng(-2147483647)", r
a = CCur(-0.5) : r = -a : Show "CCur(-0.5)", r
a = "" : r = -a : Show """""", r
Set a = New Valued : r = -a : Show "New Valued", r
a = Null : r = -a : Show "Null", r
