On Error Resume Next
Dim a, b, r
r = "-0" + 12 : Show """-0"" + 12", r
a = (1 / 3) : b = 2.5 : r = a + b : Show "(1 / 3) + 2.5", r
a = CSng(3E+38) : Set b = Nothing : r = a + b : Show "CSng(3E+38) + Nothing", r
a = False : b = CCur(-0.5) : r = a + b : Show "False + CCur(-0.5)", r
Set a = New Valued : b = False : r = a + b : Show "New Valued + False", r
a = -3 : b = #2/29/2000 11:59:59 PM# : r = a + b : Show "-3 + #2/29/2000 11:59:59 PM#", r
a = 1E+308 : b = -3 : r = a + b : Show "1E+308 + -3", r
r = "&H10" + 12 : Show """&H10"" + 12", r
a = 1E+308 : b = 1E+308 : r = a + b : Show "1E+308 + 1E+308", r
a = "12" : b = "1/2/2003" : r = a + b : Show """12"" + ""1/2/2003""", r
