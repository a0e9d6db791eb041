On Error Resume Next
Dim a, b, r
a = "12" : Set b = New Plain : r = a < b : Show """12"" < New Plain", r
a = CByte(255) : b = #2/29/2000 11:59:59 PM# : r = a < b : Show "CByte(255) < #2/29/2000 11:59:59 PM#", r
r = CSng(3E+38) < "12" : Show "CSng(3E+38) < ""12""", r
r = "1/2/2003" < "1/2/2003" : Show """1/2/2003"" < ""1/2/2003""", r
a = Array(1, "x") : b = CCur(12.3456) : r = a < b : Show "Array(1, ""x"") < CCur(12.3456)", r
a = Array(1, "x") : b = "1E3" : r = a < b : Show "Array(1, ""x"") < ""1E3""", r
r = Empty < CByte(0) : Show "Empty < CByte(0)", r
a = "1/2/2003" : b = CInt(32767) : r = a < b : Show """1/2/2003"" < CInt(32767)", r
a = CInt(-32768) : b = 12 : r = a < b : Show "CInt(-32768) < 12", r
a = "1E3" : b = "1E3" : r = a < b : Show """1E3"" < ""1E3""", r
