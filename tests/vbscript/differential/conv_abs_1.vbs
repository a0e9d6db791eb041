On Error Resume Next
Dim a, b, r
' Abs of each operand
a = " 3.5 " : r = Abs(a) : Show """ 3.5 """, r
a = #12/30/1899# : r = Abs(a) : Show "#12/30/1899#", r
a = #1/2/2003# : r = Abs(a) : Show "#1/2/2003#", r
a = CByte(255) : r = Abs(a) : Show "CByte(255)", r
a = 2147483647 : r = Abs(a) : Show "2147483647", r
a = -1E+300 : r = Abs(a) : Show "-1E+300", r
a = "" : r = Abs(a) : Show """""", r
Set a = Nothing : r = Abs(a) : Show "Nothing", r
a = "True" : r = Abs(a) : Show """True""", r
a = CByte(0) : r = Abs(a) : Show "CByte(0)", r
a = CSng(-0.1) : r = Abs(a) : Show "CSng(-0.1)", r
a = 2.5 : r = Abs(a) : Show "2.5", r
a = CCur(-0.5) : r = Abs(a) : Show "CCur(-0.5)", r
a = CDate(1.75) : r = Abs(a) : Show "CDate(1.75)", r
a = CCur(922337203685477) : r = Abs(a) : Show "CCur(922337203685477)", r
a = -3 : r = Abs(a) : Show "-3", r
a = CSng(3E+38) : r = Abs(a) : Show "CSng(3E+38)", r
a = "12" : r = Abs(a) : Show """12""", r
Set a = New Plain : r = Abs(a) : Show "New Plain", r
a = 12 : r = Abs(a) : Show "12", r
a = CInt(32767) : r = Abs(a) : Show "CInt(32767)", r
a = #6:30:00 PM# : r = Abs(a) : Show "#6:30:00 PM#", r
a = "abc" : r = Abs(a) : Show """abc""", r
