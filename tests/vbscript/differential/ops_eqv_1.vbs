On Error Resume Next
Dim a, b, r
a = "-0" : b = "abc" : r = a Eqv b : Show """-0"" Eqv ""abc""", r
a = 40000 : b = #12/30/1899# : r = a Eqv b : Show "40000 Eqv #12/30/1899#", r
r = "" Eqv CCur(12.3456) : Show """"" Eqv CCur(12.3456)", r
a = -1E+300 : b = CDate(1.75) : r = a Eqv b : Show "-1E+300 Eqv CDate(1.75)", r
a = CCur(0.0001) : b = CLng(5) : r = a Eqv b : Show "CCur(0.0001) Eqv CLng(5)", r
r = False Eqv "" : Show "False Eqv """"", r
r = CDate(1.75) Eqv "-0" : Show "CDate(1.75) Eqv ""-0""", r
r = CSng(3E+38) Eqv CByte(0) : Show "CSng(3E+38) Eqv CByte(0)", r
a = CCur(922337203685477) : b = CSng(1.5) : r = a Eqv b : Show "CCur(922337203685477) Eqv CSng(1.5)", r
a = CSng(1.5) : b = 12 : r = a Eqv b : Show "CSng(1.5) Eqv 12", r
