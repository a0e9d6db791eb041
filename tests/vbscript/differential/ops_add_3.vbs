On Error Resume Next
Dim a, b, r
r = CLng(-2147483647) + CCur(0.0001) : Show "CLng(-2147483647) + CCur(0.0001)", r
a = 40000 : b = CSng(1.5) : r = a + b : Show "40000 + CSng(1.5)", r
a = 0 : b = Array(1, "x") : r = a + b : Show "0 + Array(1, ""x"")", r
a = 2.5 : b = True : r = a + b : Show "2.5 + True", r
a = -3 : b = True : r = a + b : Show "-3 + True", r
a = CCur(-0.5) : Set b = Nothing : r = a + b : Show "CCur(-0.5) + Nothing", r
a = "abc" : b = CByte(7) : r = a + b : Show """abc"" + CByte(7)", r
r = Empty + CInt(32767) : Show "Empty + CInt(32767)", r
a = #6:30:00 PM# : b = "" : r = a + b : Show "#6:30:00 PM# + """"", r
a = CLng(5) : b = #1/2/2003# : r = a + b : Show "CLng(5) + #1/2/2003#", r
