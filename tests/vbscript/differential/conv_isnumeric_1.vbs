On Error Resume Next
Dim a, b, r
' IsNumeric of each operand
a = CByte(255) : r = IsNumeric(a) : Show "CByte(255)", r
a = CLng(-2147483647) : r = IsNumeric(a) : Show "CLng(-2147483647)", r
a = 0 : r = IsNumeric(a) : Show "0", r
a = "-0" : r = IsNumeric(a) : Show """-0""", r
a = CCur(12.3456) : r = IsNumeric(a) : Show "CCur(12.3456)", r
a = CDate(1.75) : r = IsNumeric(a) : Show "CDate(1.75)", r
a = CCur(0.0001) : r = IsNumeric(a) : Show "CCur(0.0001)", r
a = CByte(0) : r = IsNumeric(a) : Show "CByte(0)", r
a = Null : r = IsNumeric(a) : Show "Null", r
a = 2147483647 : r = IsNumeric(a) : Show "2147483647", r
a = 2.5 : r = IsNumeric(a) : Show "2.5", r
Set a = New Plain : r = IsNumeric(a) : Show "New Plain", r
a = CSng(3E+38) : r = IsNumeric(a) : Show "CSng(3E+38)", r
a = Array(1, "x") : r = IsNumeric(a) : Show "Array(1, ""x"")", r
a = "&H10" : r = IsNumeric(a) : Show """&H10""", r
a = #12/30/1899# : r = IsNumeric(a) : Show "#12/30/1899#", r
a = 12 : r = IsNumeric(a) : Show "12", r
a = " 3.5 " : r = IsNumeric(a) : Show """ 3.5 """, r
a = #2/29/2000 11:59:59 PM# : r = IsNumeric(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CInt(-32768) : r = IsNumeric(a) : Show "CInt(-32768)", r
Set a = New Valued : r = IsNumeric(a) : Show "New Valued", r
a = "True" : r = IsNumeric(a) : Show """True""", r
a = "1E3" : r = IsNumeric(a) : Show """1E3""", r
