On Error Resume Next
Dim a, b, r
' IsDate of each operand
a = Array(1, "x") : r = IsDate(a) : Show "Array(1, ""x"")", r
a = " 3.5 " : r = IsDate(a) : Show """ 3.5 """, r
a = "1E3" : r = IsDate(a) : Show """1E3""", r
a = CCur(922337203685477) : r = IsDate(a) : Show "CCur(922337203685477)", r
a = False : r = IsDate(a) : Show "False", r
a = "abc" : r = IsDate(a) : Show """abc""", r
a = "" : r = IsDate(a) : Show """""", r
a = "-0" : r = IsDate(a) : Show """-0""", r
a = 1E+308 : r = IsDate(a) : Show "1E+308", r
a = -3 : r = IsDate(a) : Show "-3", r
a = 40000 : r = IsDate(a) : Show "40000", r
a = CDate(1.75) : r = IsDate(a) : Show "CDate(1.75)", r
Set a = Nothing : r = IsDate(a) : Show "Nothing", r
a = CSng(3E+38) : r = IsDate(a) : Show "CSng(3E+38)", r
a = CCur(-0.5) : r = IsDate(a) : Show "CCur(-0.5)", r
a = Null : r = IsDate(a) : Show "Null", r
a = 0 : r = IsDate(a) : Show "0", r
a = True : r = IsDate(a) : Show "True", r
Set a = New Plain : r = IsDate(a) : Show "New Plain", r
a = 2147483647 : r = IsDate(a) : Show "2147483647", r
a = CCur(0.0001) : r = IsDate(a) : Show "CCur(0.0001)", r
a = CInt(-32768) : r = IsDate(a) : Show "CInt(-32768)", r
a = "True" : r = IsDate(a) : Show """True""", r
