On Error Resume Next
Dim a, b, r
a = #2/29/2000 11:59:59 PM# : Set b = New Valued : r = a = b : Show "#2/29/2000 11:59:59 PM# = New Valued", r
a = CCur(922337203685477) : b = CCur(922337203685477) : r = a = b : Show "CCur(922337203685477) = CCur(922337203685477)", r
a = False : b = True : r = a = b : Show "False = True", r
r = CByte(255) = 0 : Show "CByte(255) = 0", r
a = CByte(0) : b = CSng(1.5) : r = a = b : Show "CByte(0) = CSng(1.5)", r
a = #1/2/2003# : b = Array(1, "x") : r = a = b : Show "#1/2/2003# = Array(1, ""x"")", r
a = "&H10" : b = 40000 : r = a = b : Show """&H10"" = 40000", r
a = CSng(1.5) : b = CSng(-0.1) : r = a = b : Show "CSng(1.5) = CSng(-0.1)", r
r = -3 = Empty : Show "-3 = Empty", r
r = 2.5 = CDate(1.75) : Show "2.5 = CDate(1.75)", r
