On Error Resume Next
Dim a, b, r
a = CCur(922337203685477) : b = #2/29/2000 11:59:59 PM# : r = a + b : Show "CCur(922337203685477) + #2/29/2000 11:59:59 PM#", r
a = "" : b = 2.5 : r = a + b : Show """"" + 2.5", r
a = "-0" : b = CLng(5) : r = a + b : Show """-0"" + CLng(5)", r
a = -3 : b = 12 : r = a + b : Show "-3 + 12", r
a = CSng(-0.1) : b = "" : r = a + b : Show "CSng(-0.1) + """"", r
a = "-0" : b = #2/29/2000 11:59:59 PM# : r = a + b : Show """-0"" + #2/29/2000 11:59:59 PM#", r
a = (1 / 3) : b = CCur(922337203685477) : r = a + b : Show "(1 / 3) + CCur(922337203685477)", r
a = 12 : b = Array(1, "x") : r = a + b : Show "12 + Array(1, ""x"")", r
a = #12/30/1899# : Set b = New Plain : r = a + b : Show "#12/30/1899# + New Plain", r
r = #2/29/2000 11:59:59 PM# + CInt(-32768) : Show "#2/29/2000 11:59:59 PM# + CInt(-32768)", r
