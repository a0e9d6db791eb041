On Error Resume Next
Dim a, b, r
' Sgn of each operand
a = CInt(-32768) : r = Sgn(a) : Show "CInt(-32768)", r
a = CCur(0.0001) : r = Sgn(a) : Show "CCur(0.0001)", r
a = CCur(12.3456) : r = Sgn(a) : Show "CCur(12.3456)", r
a = -1E+300 : r = Sgn(a) : Show "-1E+300", r
a = CByte(255) : r = Sgn(a) : Show "CByte(255)", r
a = "abc" : r = Sgn(a) : Show """abc""", r
a = 1E+308 : r = Sgn(a) : Show "1E+308", r
a = #6:30:00 PM# : r = Sgn(a) : Show "#6:30:00 PM#", r
a = CLng(5) : r = Sgn(a) : Show "CLng(5)", r
a = "1E3" : r = Sgn(a) : Show """1E3""", r
a = "1/2/2003" : r = Sgn(a) : Show """1/2/2003""", r
a = 0 : r = Sgn(a) : Show "0", r
a = 2147483647 : r = Sgn(a) : Show "2147483647", r
a = -3 : r = Sgn(a) : Show "-3", r
a = 40000 : r = Sgn(a) : Show "40000", r
a = "-0" : r = Sgn(a) : Show """-0""", r
a = True : r = Sgn(a) : Show "True", r
a = CCur(-0.5) : r = Sgn(a) : Show "CCur(-0.5)", r
a = CSng(3E+38) : r = Sgn(a) : Show "CSng(3E+38)", r
a = 0.1 : r = Sgn(a) : Show "0.1", r
a = False : r = Sgn(a) : Show "False", r
a = #1/2/2003# : r = Sgn(a) : Show "#1/2/2003#", r
a = (1 / 3) : r = Sgn(a) : Show "(1 / 3)", r
