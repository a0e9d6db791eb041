On Error Resume Next
Dim a, b, r
' CSng of each operand
a = "abc" : r = CSng(a) : Show """abc""", r
a = CSng(3E+38) : r = CSng(a) : Show "CSng(3E+38)", r
a = 0.1 : r = CSng(a) : Show "0.1", r
a = CCur(12.3456) : r = CSng(a) : Show "CCur(12.3456)", r
a = CSng(-0.1) : r = CSng(a) : Show "CSng(-0.1)", r
a = #1/2/2003# : r = CSng(a) : Show "#1/2/2003#", r
a = -1E+300 : r = CSng(a) : Show "-1E+300", r
Set a = Nothing : r = CSng(a) : Show "Nothing", r
a = (1 / 3) : r = CSng(a) : Show "(1 / 3)", r
a = True : r = CSng(a) : Show "True", r
a = "&H10" : r = CSng(a) : Show """&H10""", r
a = Array(1, "x") : r = CSng(a) : Show "Array(1, ""x"")", r
a = Null : r = CSng(a) : Show "Null", r
a = CByte(255) : r = CSng(a) : Show "CByte(255)", r
a = #12/30/1899# : r = CSng(a) : Show "#12/30/1899#", r
a = CCur(922337203685477) : r = CSng(a) : Show "CCur(922337203685477)", r
a = False : r = CSng(a) : Show "False", r
a = " 3.5 " : r = CSng(a) : Show """ 3.5 """, r
a = "True" : r = CSng(a) : Show """True""", r
a = CInt(32767) : r = CSng(a) : Show "CInt(32767)", r
a = 1E+308 : r = CSng(a) : Show "1E+308", r
a = CDate(1.75) : r = CSng(a) : Show "CDate(1.75)", r
a = -3 : r = CSng(a) : Show "-3", r
