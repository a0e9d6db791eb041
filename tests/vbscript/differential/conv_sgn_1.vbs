On Error Resume Next
Dim a, b, r
' Sgn of each operand
a = Array(1, "x") : r = Sgn(a) : Show "Array(1, ""x"")", r
a = CByte(0) : r = Sgn(a) : Show "CByte(0)", r
a = "" : r = Sgn(a) : Show """""", r
Set a = New Valued : r = Sgn(a) : Show "New Valued", r
a = Null : r = Sgn(a) : Show "Null", r
a = 2.5 : r = Sgn(a) : Show "2.5", r
a = #2/29/2000 11:59:59 PM# : r = Sgn(a) : Show "#2/29/2000 11:59:59 PM#", r
a = "&H10" : r = Sgn(a) : Show """&H10""", r
a = "12" : r = Sgn(a) : Show """12""", r
Set a = Nothing : r = Sgn(a) : Show "Nothing", r
a = CByte(7) : r = Sgn(a) : Show "CByte(7)", r
a = CInt(32767) : r = Sgn(a) : Show "CInt(32767)", r
Set a = New Plain : r = Sgn(a) : Show "New Plain", r
a = "True" : r = Sgn(a) : Show """True""", r
a = CLng(-2147483647) : r = Sgn(a) : Show "CLng(-2147483647)", r
a = CCur(922337203685477) : r = Sgn(a) : Show "CCur(922337203685477)", r
a = CDate(1.75) : r = Sgn(a) : Show "CDate(1.75)", r
a = " 3.5 " : r = Sgn(a) : Show """ 3.5 """, r
a = CSng(-0.1) : r = Sgn(a) : Show "CSng(-0.1)", r
a = 12 : r = Sgn(a) : Show "12", r
a = #12/30/1899# : r = Sgn(a) : Show "#12/30/1899#", r
a = Empty : r = Sgn(a) : Show "Empty", r
a = CSng(1.5) : r = Sgn(a) : Show "CSng(1.5)", r
