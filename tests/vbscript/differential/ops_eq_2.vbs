On Error Resume Next
Dim a, b, r
a = CCur(0.0001) : Set b = Nothing : r = a = b : Show "CCur(0.0001) = Nothing", r
r = CByte(7) = Null : Show "CByte(7) = Null", r
a = Array(1, "x") : Set b = New Valued : r = a = b : Show "Array(1, ""x"") = New Valued", r
r = CLng(-2147483647) = CByte(7) : Show "CLng(-2147483647) = CByte(7)", r
a = CSng(1.5) : b = True : r = a = b : Show "CSng(1.5) = True", r
a = "&H10" : b = 0 : r = a = b : Show """&H10"" = 0", r
r = CCur(12.3456) = CDate(1.75) : Show "CCur(12.3456) = CDate(1.75)", r
a = CLng(-2147483647) : Set b = New Plain : r = a = b : Show "CLng(-2147483647) = New Plain", r
a = #12/30/1899# : b = "&H10" : r = a = b : Show "#12/30/1899# = ""&H10""", r
r = 40000 = CDate(1.75) : Show "40000 = CDate(1.75)", r
