On Error Resume Next
Dim a, b, r
' CStr of each operand
a = CSng(-0.1) : r = CStr(a) : Show "CSng(-0.1)", r
a = 40000 : r = CStr(a) : Show "40000", r
a = "1E3" : r = CStr(a) : Show """1E3""", r
Set a = New Valued : r = CStr(a) : Show "New Valued", r
a = CCur(12.3456) : r = CStr(a) : Show "CCur(12.3456)", r
a = #2/29/2000 11:59:59 PM# : r = CStr(a) : Show "#2/29/2000 11:59:59 PM#", r
a = 2147483647 : r = CStr(a) : Show "2147483647", r
a = CByte(0) : r = CStr(a) : Show "CByte(0)", r
a = "True" : r = CStr(a) : Show """True""", r
Set a = New Plain : r = CStr(a) : Show "New Plain", r
a = CDate(1.75) : r = CStr(a) : Show "CDate(1.75)", r
a = CLng(5) : r = CStr(a) : Show "CLng(5)", r
a = #12/30/1899# : r = CStr(a) : Show "#12/30/1899#", r
a = Null : r = CStr(a) : Show "Null", r
a = "" : r = CStr(a) : Show """""", r
a = 2.5 : r = CStr(a) : Show "2.5", r
a = "1/2/2003" : r = CStr(a) : Show """1/2/2003""", r
a = "-0" : r = CStr(a) : Show """-0""", r
a = 12 : r = CStr(a) : Show "12", r
a = 1E+308 : r = CStr(a) : Show "1E+308", r
a = CCur(-0.5) : r = CStr(a) : Show "CCur(-0.5)", r
a = CSng(3E+38) : r = CStr(a) : Show "CSng(3E+38)", r
a = CCur(0.0001) : r = CStr(a) : Show "CCur(0.0001)", r
