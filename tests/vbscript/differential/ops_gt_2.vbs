On Error Resume Next
Dim a, b, r
a = CByte(0) : b = CInt(32767) : r = a > b : Show "CByte(0) > CInt(32767)", r
a = CCur(-0.5) : b = "1E3" : r = a > b : Show "CCur(-0.5) > ""1E3""", r
a = (1 / 3) : b = " 3.5 " : r = a > b : Show "(1 / 3) > "" 3.5 """, r
a = 40000 : b = CByte(7) : r = a > b : Show "40000 > CByte(7)", r
a = Empty : b = 2.5 : r = a > b : Show "Empty > 2.5", r
a = #12/30/1899# : Set b = New Plain : r = a > b : Show "#12/30/1899# > New Plain", r
r = CDate(1.75) > CCur(0.0001) : Show "CDate(1.75) > CCur(0.0001)", r
r = Empty > CInt(-32768) : Show "Empty > CInt(-32768)", r
r = True > Array(1, "x") : Show "True > Array(1, ""x"")", r
a = #2/29/2000 11:59:59 PM# : b = (1 / 3) : r = a > b : Show "#2/29/2000 11:59:59 PM# > (1 / 3)", r
