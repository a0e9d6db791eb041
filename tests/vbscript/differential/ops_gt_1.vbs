On Error Resume Next
Dim a, b, r
r = 1E+308 > 40000 : Show "1E+308 > 40000", r
r = CSng(1.5) > Array(1, "x") : Show "CSng(1.5) > Array(1, ""x"")", r
r = CByte(255) > CSng(-0.1) : Show "CByte(255) > CSng(-0.1)", r
a = CSng(-0.1) : b = "abc" : r = a > b : Show "CSng(-0.1) > ""abc""", r
r = Array(1, "x") > CDate(1.75) : Show "Array(1, ""x"") > CDate(1.75)", r
a = Empty : b = 1E+308 : r = a > b : Show "Empty > 1E+308", r
a = CInt(32767) : Set b = New Valued : r = a > b : Show "CInt(32767) > New Valued", r
r = (1 / 3) > CSng(1.5) : Show "(1 / 3) > CSng(1.5)", r
r = -1E+300 > CLng(5) : Show "-1E+300 > CLng(5)", r
a = CCur(922337203685477) : b = "" : r = a > b : Show "CCur(922337203685477) > """"", r
