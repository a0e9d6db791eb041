On Error Resume Next
Dim a, b, r
' CBool of each operand
a = CSng(-0.1) : r = CBool(a) : Show "CSng(-0.1)", r
a = True : r = CBool(a) : Show "True", r
a = "1/2/2003" : r = CBool(a) : Show """1/2/2003""", r
a = CLng(-2147483647) : r = CBool(a) : Show "CLng(-2147483647)", r
a = CByte(0) : r = CBool(a) : Show "CByte(0)", r
a = CLng(5) : r = CBool(a) : Show "CLng(5)", r
a = #12/30/1899# : r = CBool(a) : Show "#12/30/1899#", r
a = -3 : r = CBool(a) : Show "-3", r
a = CCur(-0.5) : r = CBool(a) : Show "CCur(-0.5)", r
a = 0 : r = CBool(a) : Show "0", r
a = #1/2/2003# : r = CBool(a) : Show "#1/2/2003#", r
a = 12 : r = CBool(a) : Show "12", r
Set a = New Valued : r = CBool(a) : Show "New Valued", r
a = CCur(922337203685477) : r = CBool(a) : Show "CCur(922337203685477)", r
a = 2147483647 : r = CBool(a) : Show "2147483647", r
a = CDate(1.75) : r = CBool(a) : Show "CDate(1.75)", r
a = CSng(1.5) : r = CBool(a) : Show "CSng(1.5)", r
a = CInt(-32768) : r = CBool(a) : Show "CInt(-32768)", r
a = Empty : r = CBool(a) : Show "Empty", r
a = #6:30:00 PM# : r = CBool(a) : Show "#6:30:00 PM#", r
a = "&H10" : r = CBool(a) : Show """&H10""", r
a = -1E+300 : r = CBool(a) : Show "-1E+300", r
a = "-0" : r = CBool(a) : Show """-0""", r
