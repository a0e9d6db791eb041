On Error Resume Next
Dim a, b, r
' IsDate of each operand
a = "12" : r = IsDate(a) : Show """12""", r
a = 2.5 : r = IsDate(a) : Show "2.5", r
a = 12 : r = IsDate(a) : Show "12", r
Set a = New Valued : r = IsDate(a) : Show "New Valued", r
a = CByte(0) : r = IsDate(a) : Show "CByte(0)", r
a = CSng(1.5) : r = IsDate(a) : Show "CSng(1.5)", r
a = #6:30:00 PM# : r = IsDate(a) : Show "#6:30:00 PM#", r
a = CInt(32767) : r = IsDate(a) : Show "CInt(32767)", r
a = CByte(255) : r = IsDate(a) : Show "CByte(255)", r
a = CLng(-2147483647) : r = IsDate(a) : Show "CLng(-2147483647)", r
a = (1 / 3) : r = IsDate(a) : Show "(1 / 3)", r
a = #12/30/1899# : r = IsDate(a) : Show "#12/30/1899#", r
a = #2/29/2000 11:59:59 PM# : r = IsDate(a) : Show "#2/29/2000 11:59:59 PM#", r
a = "1/2/2003" : r = IsDate(a) : Show """1/2/2003""", r
a = 0.1 : r = IsDate(a) : Show "0.1", r
a = CByte(7) : r = IsDate(a) : Show "CByte(7)", r
a = "&H10" : r = IsDate(a) : Show """&H10""", r
a = Empty : r = IsDate(a) : Show "Empty", r
a = CCur(12.3456) : r = IsDate(a) : Show "CCur(12.3456)", r
a = -1E+300 : r = IsDate(a) : Show "-1E+300", r
a = CSng(-0.1) : r = IsDate(a) : Show "CSng(-0.1)", r
a = CLng(5) : r = IsDate(a) : Show "CLng(5)", r
a = #1/2/2003# : r = IsDate(a) : Show "#1/2/2003#", r
