On Error Resume Next
Dim a, b, r
' Hex of each operand
a = " 3.5 " : r = Hex(a) : Show """ 3.5 """, r
a = #2/29/2000 11:59:59 PM# : r = Hex(a) : Show "#2/29/2000 11:59:59 PM#", r
a = "" : r = Hex(a) : Show """""", r
a = "abc" : r = Hex(a) : Show """abc""", r
a = CByte(7) : r = Hex(a) : Show "CByte(7)", r
a = -3 : r = Hex(a) : Show "-3", r
Set a = New Valued : r = Hex(a) : Show "New Valued", r
Set a = New Plain : r = Hex(a) : Show "New Plain", r
a = -1E+300 : r = Hex(a) : Show "-1E+300", r
a = "-0" : r = Hex(a) : Show """-0""", r
a = "12" : r = Hex(a) : Show """12""", r
a = CSng(3E+38) : r = Hex(a) : Show "CSng(3E+38)", r
a = "True" : r = Hex(a) : Show """True""", r
a = CCur(922337203685477) : r = Hex(a) : Show "CCur(922337203685477)", r
a = CByte(0) : r = Hex(a) : Show "CByte(0)", r
a = CCur(0.0001) : r = Hex(a) : Show "CCur(0.0001)", r
a = "&H10" : r = Hex(a) : Show """&H10""", r
a = CSng(-0.1) : r = Hex(a) : Show "CSng(-0.1)", r
a = 0 : r = Hex(a) : Show "0", r
a = "1E3" : r = Hex(a) : Show """1E3""", r
a = (1 / 3) : r = Hex(a) : Show "(1 / 3)", r
a = 40000 : r = Hex(a) : Show "40000", r
a = CDate(1.75) : r = Hex(a) : Show "CDate(1.75)", r
