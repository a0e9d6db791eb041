On Error Resume Next
Dim a, b, r
' Int of each operand
Set a = New Valued : r = Int(a) : Show "New Valued", r
Set a = Nothing : r = Int(a) : Show "Nothing", r
a = "True" : r = Int(a) : Show """True""", r
a = 12 : r = Int(a) : Show "12", r
a = CCur(-0.5) : r = Int(a) : Show "CCur(-0.5)", r
a = -3 : r = Int(a) : Show "-3", r
a = 1E+308 : r = Int(a) : Show "1E+308", r
a = "&H10" : r = Int(a) : Show """&H10""", r
a = #12/30/1899# : r = Int(a) : Show "#12/30/1899#", r
a = CSng(3E+38) : r = Int(a) : Show "CSng(3E+38)", r
a = "" : r = Int(a) : Show """""", r
a = 0.1 : r = Int(a) : Show "0.1", r
a = CByte(0) : r = Int(a) : Show "CByte(0)", r
a = (1 / 3) : r = Int(a) : Show "(1 / 3)", r
a = CCur(12.3456) : r = Int(a) : Show "CCur(12.3456)", r
a = #2/29/2000 11:59:59 PM# : r = Int(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CLng(-2147483647) : r = Int(a) : Show "CLng(-2147483647)", r
a = CInt(32767) : r = Int(a) : Show "CInt(32767)", r
a = CCur(0.0001) : r = Int(a) : Show "CCur(0.0001)", r
a = "abc" : r = Int(a) : Show """abc""", r
a = #6:30:00 PM# : r = Int(a) : Show "#6:30:00 PM#", r
a = 0 : r = Int(a) : Show "0", r
a = Empty : r = Int(a) : Show "Empty", r
