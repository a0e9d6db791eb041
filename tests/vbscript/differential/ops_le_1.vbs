On Error Resume Next
Dim a, b, r
a = "1/2/2003" : b = "&H10" : r = a <= b : Show """1/2/2003"" <= ""&H10""", r
a = CByte(0) : b = CInt(-32768) : r = a <= b : Show "CByte(0) <= CInt(-32768)", r
a = #12/30/1899# : b = "True" : r = a <= b : Show "#12/30/1899# <= ""True""", r
a = #1/2/2003# : b = CCur(922337203685477) : r = a <= b : Show "#1/2/2003# <= CCur(922337203685477)", r
Set a = Nothing : b = 40000 : r = a <= b : Show "Nothing <= 40000", r
a = 2.5 : b = CByte(0) : r = a <= b : Show "2.5 <= CByte(0)", r
a = 40000 : b = CCur(-0.5) : r = a <= b : Show "40000 <= CCur(-0.5)", r
a = 2147483647 : Set b = New Valued : r = a <= b : Show "2147483647 <= New Valued", r
a = CCur(0.0001) : b = Array(1, "x") : r = a <= b : Show "CCur(0.0001) <= Array(1, ""x"")", r
r = "&H10" <= CSng(-0.1) : Show """&H10"" <= CSng(-0.1)", r
