On Error Resume Next
Dim a, b, r
a = CSng(-0.1) : b = CByte(7) : r = a > b : Show "CSng(-0.1) > CByte(7)", r
r = #12/30/1899# > #12/30/1899# : Show "#12/30/1899# > #12/30/1899#", r
a = 12 : b = CLng(5) : r = a > b : Show "12 > CLng(5)", r
r = CByte(7) > CInt(32767) : Show "CByte(7) > CInt(32767)", r
r = CSng(-0.1) > #1/2/2003# : Show "CSng(-0.1) > #1/2/2003#", r
r = CCur(0.0001) > CByte(7) : Show "CCur(0.0001) > CByte(7)", r
r = Array(1, "x") > CByte(0) : Show "Array(1, ""x"") > CByte(0)", r
a = CByte(255) : b = #12/30/1899# : r = a > b : Show "CByte(255) > #12/30/1899#", r
Set a = New Plain : b = 0.1 : r = a > b : Show "New Plain > 0.1", r
a = CSng(3E+38) : Set b = New Plain : r = a > b : Show "CSng(3E+38) > New Plain", r
