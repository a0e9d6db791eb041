On Error Resume Next
Dim a, b, r
' CDbl of each operand
a = CCur(-0.5) : r = CDbl(a) : Show "CCur(-0.5)", r
a = False : r = CDbl(a) : Show "False", r
a = 1E+308 : r = CDbl(a) : Show "1E+308", r
a = CInt(32767) : r = CDbl(a) : Show "CInt(32767)", r
Set a = Nothing : r = CDbl(a) : Show "Nothing", r
a = True : r = CDbl(a) : Show "True", r
Set a = New Valued : r = CDbl(a) : Show "New Valued", r
a = 0 : r = CDbl(a) : Show "0", r
a = CByte(7) : r = CDbl(a) : Show "CByte(7)", r
a = 2.5 : r = CDbl(a) : Show "2.5", r
a = "&H10" : r = CDbl(a) : Show """&H10""", r
a = CSng(3E+38) : r = CDbl(a) : Show "CSng(3E+38)", r
a = #2/29/2000 11:59:59 PM# : r = CDbl(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CLng(-2147483647) : r = CDbl(a) : Show "CLng(-2147483647)", r
a = CLng(5) : r = CDbl(a) : Show "CLng(5)", r
a = CCur(0.0001) : r = CDbl(a) : Show "CCur(0.0001)", r
a = CSng(-0.1) : r = CDbl(a) : Show "CSng(-0.1)", r
a = "abc" : r = CDbl(a) : Show """abc""", r
a = CDate(1.75) : r = CDbl(a) : Show "CDate(1.75)", r
a = Array(1, "x") : r = CDbl(a) : Show "Array(1, ""x"")", r
a = 2147483647 : r = CDbl(a) : Show "2147483647", r
a = #6:30:00 PM# : r = CDbl(a) : Show "#6:30:00 PM#", r
a = CByte(255) : r = CDbl(a) : Show "CByte(255)", r
