On Error Resume Next
Dim a, b, r
a = CByte(255) : b = #1/2/2003# : r = a Imp b : Show "CByte(255) Imp #1/2/2003#", r
a = 2147483647 : b = CLng(5) : r = a Imp b : Show "2147483647 Imp CLng(5)", r
r = True Imp CDate(1.75) : Show "True Imp CDate(1.75)", r
a = Array(1, "x") : b = CCur(-0.5) : r = a Imp b : Show "Array(1, ""x"") Imp CCur(-0.5)", r
r = CCur(922337203685477) Imp #12/30/1899# : Show "CCur(922337203685477) Imp #12/30/1899#", r
a = 0.1 : b = 40000 : r = a Imp b : Show "0.1 Imp 40000", r
a = False : b = CByte(7) : r = a Imp b : Show "False Imp CByte(7)", r
a = CSng(3E+38) : Set b = New Valued : r = a Imp b : Show "CSng(3E+38) Imp New Valued", r
a = "&H10" : b = "&H10" : r = a Imp b : Show """&H10"" Imp ""&H10""", r
a = True : b = -3 : r = a Imp b : Show "True Imp -3", r
