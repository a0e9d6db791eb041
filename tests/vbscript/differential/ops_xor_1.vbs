On Error Resume Next
Dim a, b, r
r = CByte(255) Xor 0 : Show "CByte(255) Xor 0", r
r = Array(1, "x") Xor CCur(0.0001) : Show "Array(1, ""x"") Xor CCur(0.0001)", r
a = "abc" : b = CSng(3E+38) : r = a Xor b : Show """abc"" Xor CSng(3E+38)", r
a = CSng(1.5) : b = " 3.5 " : r = a Xor b : Show "CSng(1.5) Xor "" 3.5 """, r
a = CCur(922337203685477) : b = "" : r = a Xor b : Show "CCur(922337203685477) Xor """"", r
a = CCur(-0.5) : b = CCur(12.3456) : r = a Xor b : Show "CCur(-0.5) Xor CCur(12.3456)", r
a = CCur(922337203685477) : b = CSng(-0.1) : r = a Xor b : Show "CCur(922337203685477) Xor CSng(-0.1)", r
a = False : Set b = New Plain : r = a Xor b : Show "False Xor New Plain", r
a = 0 : b = CLng(5) : r = a Xor b : Show "0 Xor CLng(5)", r
r = "-0" Xor 1E+308 : Show """-0"" Xor 1E+308", r
