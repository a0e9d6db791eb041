On Error Resume Next
Dim a, b, r
' CCur of each operand
a = 1E+308 : r = CCur(a) : Show "1E+308", r
a = 0 : r = CCur(a) : Show "0", r
a = CByte(255) : r = CCur(a) : Show "CByte(255)", r
Set a = New Valued : r = CCur(a) : Show "New Valued", r
a = CCur(-0.5) : r = CCur(a) : Show "CCur(-0.5)", r
a = CCur(922337203685477) : r = CCur(a) : Show "CCur(922337203685477)", r
a = 0.1 : r = CCur(a) : Show "0.1", r
a = "abc" : r = CCur(a) : Show """abc""", r
a = CCur(12.3456) : r = CCur(a) : Show "CCur(12.3456)", r
a = -3 : r = CCur(a) : Show "-3", r
a = CLng(-2147483647) : r = CCur(a) : Show "CLng(-2147483647)", r
a = CByte(0) : r = CCur(a) : Show "CByte(0)", r
Set a = Nothing : r = CCur(a) : Show "Nothing", r
a = "1E3" : r = CCur(a) : Show """1E3""", r
a = -1E+300 : r = CCur(a) : Show "-1E+300", r
a = True : r = CCur(a) : Show "True", r
a = "12" : r = CCur(a) : Show """12""", r
a = False : r = CCur(a) : Show "False", r
a = CSng(3E+38) : r = CCur(a) : Show "CSng(3E+38)", r
a = #2/29/2000 11:59:59 PM# : r = CCur(a) : Show "#2/29/2000 11:59:59 PM#", r
a = " 3.5 " : r = CCur(a) : Show """ 3.5 """, r
a = CByte(7) : r = CCur(a) : Show "CByte(7)", r
a = "&H10" : r = CCur(a) : Show """&H10""", r
