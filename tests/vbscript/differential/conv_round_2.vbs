On Error Resume Next
Dim a, b, r
' Round of each operand
a = CCur(-0.5) : r = Round(a) : Show "CCur(-0.5)", r
a = #2/29/2000 11:59:59 PM# : r = Round(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CCur(12.3456) : r = Round(a) : Show "CCur(12.3456)", r
a = CByte(255) : r = Round(a) : Show "CByte(255)", r
a = #12/30/1899# : r = Round(a) : Show "#12/30/1899#", r
a = "1/2/2003" : r = Round(a) : Show """1/2/2003""", r
a = CInt(-32768) : r = Round(a) : Show "CInt(-32768)", r
a = " 3.5 " : r = Round(a) : Show """ 3.5 """, r
a = (1 / 3) : r = Round(a) : Show "(1 / 3)", r
a = CInt(32767) : r = Round(a) : Show "CInt(32767)", r
Set a = New Valued : r = Round(a) : Show "New Valued", r
a = 12 : r = Round(a) : Show "12", r
a = -1E+300 : r = Round(a) : Show "-1E+300", r
Set a = New Plain : r = Round(a) : Show "New Plain", r
a = "12" : r = Round(a) : Show """12""", r
a = #1/2/2003# : r = Round(a) : Show "#1/2/2003#", r
a = "abc" : r = Round(a) : Show """abc""", r
a = -3 : r = Round(a) : Show "-3", r
a = Empty : r = Round(a) : Show "Empty", r
a = 2147483647 : r = Round(a) : Show "2147483647", r
a = CDate(1.75) : r = Round(a) : Show "CDate(1.75)", r
a = Null : r = Round(a) : Show "Null", r
a = CCur(922337203685477) : r = Round(a) : Show "CCur(922337203685477)", r
