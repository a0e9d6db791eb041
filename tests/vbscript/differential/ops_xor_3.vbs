On Error Resume Next
Dim a, b, r
a = Array(1, "x") : b = Null : r = a Xor b : Show "Array(1, ""x"") Xor Null", r
r = Null Xor 2.5 : Show "Null Xor 2.5", r
a = False : b = CByte(0) : r = a Xor b : Show "False Xor CByte(0)", r
a = CSng(3E+38) : b = 40000 : r = a Xor b : Show "CSng(3E+38) Xor 40000", r
a = "12" : b = Null : r = a Xor b : Show """12"" Xor Null", r
a = 0 : b = CSng(-0.1) : r = a Xor b : Show "0 Xor CSng(-0.1)", r
a = "True" : b = "True" : r = a Xor b : Show """True"" Xor ""True""", r
a = CDate(1.75) : b = CCur(12.3456) : r = a Xor b : Show "CDate(1.75) Xor CCur(12.3456)", r
r = 0.1 Xor 1E+308 : Show "0.1 Xor 1E+308", r
a = 12 : b = CDate(1.75) : r = a Xor b : Show "12 Xor CDate(1.75)", r
