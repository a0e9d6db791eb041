On Error Resume Next
Dim a, b, r
' Oct of each operand
a = CInt(32767) : r = Oct(a) : Show "CInt(32767)", r
a = "1/2/2003" : r = Oct(a) : Show """1/2/2003""", r
a = Empty : r = Oct(a) : Show "Empty", r
a = CSng(1.5) : r = Oct(a) : Show "CSng(1.5)", r
a = CCur(0.0001) : r = Oct(a) : Show "CCur(0.0001)", r
a = "12" : r = Oct(a) : Show """12""", r
a = CCur(12.3456) : r = Oct(a) : Show "CCur(12.3456)", r
a = CByte(0) : r = Oct(a) : Show "CByte(0)", r
a = CByte(255) : r = Oct(a) : Show "CByte(255)", r
a = "True" : r = Oct(a) : Show """True""", r
a = "abc" : r = Oct(a) : Show """abc""", r
a = #1/2/2003# : r = Oct(a) : Show "#1/2/2003#", r
a = 40000 : r = Oct(a) : Show "40000", r
a = Array(1, "x") : r = Oct(a) : Show "Array(1, ""x"")", r
Set a = Nothing : r = Oct(a) : Show "Nothing", r
Set a = New Valued : r = Oct(a) : Show "New Valued", r
a = "&H10" : r = Oct(a) : Show """&H10""", r
a = CSng(3E+38) : r = Oct(a) : Show "CSng(3E+38)", r
a = 0 : r = Oct(a) : Show "0", r
a = False : r = Oct(a) : Show "False", r
a = CLng(-2147483647) : r = Oct(a) : Show "CLng(-2147483647)", r
a = #2/29/2000 11:59:59 PM# : r = Oct(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CCur(922337203685477) : r = Oct(a) : Show "CCur(922337203685477)", r
