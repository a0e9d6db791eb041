On Error Resume Next
Dim a, b, r
' CInt of each operand
a = CByte(255) : r = CInt(a) : Show "CByte(255)", r
a = #2/29/2000 11:59:59 PM# : r = CInt(a) : Show "#2/29/2000 11:59:59 PM#", r
a = "1/2/2003" : r = CInt(a) : Show """1/2/2003""", r
a = " 3.5 " : r = CInt(a) : Show """ 3.5 """, r
a = Null : r = CInt(a) : Show "Null", r
Set a = New Valued : r = CInt(a) : Show "New Valued", r
a = CCur(0.0001) : r = CInt(a) : Show "CCur(0.0001)", r
a = #12/30/1899# : r = CInt(a) : Show "#12/30/1899#", r
a = 12 : r = CInt(a) : Show "12", r
a = "12" : r = CInt(a) : Show """12""", r
a = CSng(3E+38) : r = CInt(a) : Show "CSng(3E+38)", r
a = CSng(-0.1) : r = CInt(a) : Show "CSng(-0.1)", r
a = #1/2/2003# : r = CInt(a) : Show "#1/2/2003#", r
a = CCur(922337203685477) : r = CInt(a) : Show "CCur(922337203685477)", r
a = CCur(12.3456) : r = CInt(a) : Show "CCur(12.3456)", r
a = (1 / 3) : r = CInt(a) : Show "(1 / 3)", r
a = "abc" : r = CInt(a) : Show """abc""", r
a = "-0" : r = CInt(a) : Show """-0""", r
Set a = Nothing : r = CInt(a) : Show "Nothing", r
a = CDate(1.75) : r = CInt(a) : Show "CDate(1.75)", r
a = 0 : r = CInt(a) : Show "0", r
a = Empty : r = CInt(a) : Show "Empty", r
a = CInt(32767) : r = CInt(a) : Show "CInt(32767)", r
