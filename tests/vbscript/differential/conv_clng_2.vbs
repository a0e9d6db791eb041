On Error Resume Next
Dim a, b, r
' CLng of each operand
a = CSng(3E+38) : r = CLng(a) : Show "CSng(3E+38)", r
a = " 3.5 " : r = CLng(a) : Show """ 3.5 """, r
a = Null : r = CLng(a) : Show "Null", r
a = False : r = CLng(a) : Show "False", r
a = CByte(0) : r = CLng(a) : Show "CByte(0)", r
a = CInt(-32768) : r = CLng(a) : Show "CInt(-32768)", r
a = "12" : r = CLng(a) : Show """12""", r
a = CCur(12.3456) : r = CLng(a) : Show "CCur(12.3456)", r
a = True : r = CLng(a) : Show "True", r
Set a = Nothing : r = CLng(a) : Show "Nothing", r
a = CCur(922337203685477) : r = CLng(a) : Show "CCur(922337203685477)", r
a = "1E3" : r = CLng(a) : Show """1E3""", r
a = 12 : r = CLng(a) : Show "12", r
a = "&H10" : r = CLng(a) : Show """&H10""", r
a = #1/2/2003# : r = CLng(a) : Show "#1/2/2003#", r
a = CSng(1.5) : r = CLng(a) : Show "CSng(1.5)", r
Set a = New Valued : r = CLng(a) : Show "New Valued", r
a = CCur(0.0001) : r = CLng(a) : Show "CCur(0.0001)", r
a = #2/29/2000 11:59:59 PM# : r = CLng(a) : Show "#2/29/2000 11:59:59 PM#", r
a = 0 : r = CLng(a) : Show "0", r
a = 0.1 : r = CLng(a) : Show "0.1", r
a = CCur(-0.5) : r = CLng(a) : Show "CCur(-0.5)", r
a = 2.5 : r = CLng(a) : Show "2.5", r
