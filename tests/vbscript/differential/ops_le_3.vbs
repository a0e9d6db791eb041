On Error Resume Next
Dim a, b, r
a = "12" : Set b = New Valued : r = a <= b : Show """12"" <= New Valued", r
r = CLng(-2147483647) <= CInt(32767) : Show "CLng(-2147483647) <= CInt(32767)", r
a = Array(1, "x") : b = "1/2/2003" : r = a <= b : Show "Array(1, ""x"") <= ""1/2/2003""", r
a = CCur(-0.5) : b = #1/2/2003# : r = a <= b : Show "CCur(-0.5) <= #1/2/2003#", r
Set a = New Plain : b = 2.5 : r = a <= b : Show "New Plain <= 2.5", r
a = 1E+308 : b = "" : r = a <= b : Show "1E+308 <= """"", r
a = "1/2/2003" : b = 12 : r = a <= b : Show """1/2/2003"" <= 12", r
Set a = New Valued : b = (1 / 3) : r = a <= b : Show "New Valued <= (1 / 3)", r
a = #2/29/2000 11:59:59 PM# : b = CByte(0) : r = a <= b : Show "#2/29/2000 11:59:59 PM# <= CByte(0)", r
a = 0.1 : Set b = New Valued : r = a <= b : Show "0.1 <= New Valued", r
