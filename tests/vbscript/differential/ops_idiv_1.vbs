On Error Resume Next
Dim a, b, r
a = "-0" : b = CInt(32767) : r = a \ b : Show """-0"" \ CInt(32767)", r
a = CSng(3E+38) : b = CCur(0.0001) : r = a \ b : Show "CSng(3E+38) \ CCur(0.0001)", r
a = #2/29/2000 11:59:59 PM# : b = "abc" : r = a \ b : Show "#2/29/2000 11:59:59 PM# \ ""abc""", r
r = 12 \ 0.1 : Show "12 \ 0.1", r
r = #6:30:00 PM# \ -3 : Show "#6:30:00 PM# \ -3", r
r = 2.5 \ 12 : Show "2.5 \ 12", r
r = (1 / 3) \ CCur(12.3456) : Show "(1 / 3) \ CCur(12.3456)", r
a = Empty : b = -3 : r = a \ b : Show "Empty \ -3", r
a = CSng(1.5) : b = #2/29/2000 11:59:59 PM# : r = a \ b : Show "CSng(1.5) \ #2/29/2000 11:59:59 PM#", r
a = CLng(5) : b = "12" : r = a \ b : Show "CLng(5) \ ""12""", r
