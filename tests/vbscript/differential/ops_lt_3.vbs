On Error Resume Next
Dim a, b, r
a = Empty : b = "1E3" : r = a < b : Show "Empty < ""1E3""", r
a = CSng(1.5) : Set b = New Valued : r = a < b : Show "CSng(1.5) < New Valued", r
a = CInt(32767) : b = CByte(7) : r = a < b : Show "CInt(32767) < CByte(7)", r
r = CByte(255) < "" : Show "CByte(255) < """"", r
a = -1E+300 : Set b = New Valued : r = a < b : Show "-1E+300 < New Valued", r
a = #12/30/1899# : b = CLng(-2147483647) : r = a < b : Show "#12/30/1899# < CLng(-2147483647)", r
a = 1E+308 : b = (1 / 3) : r = a < b : Show "1E+308 < (1 / 3)", r
a = #12/30/1899# : b = -1E+300 : r = a < b : Show "#12/30/1899# < -1E+300", r
a = 2.5 : b = 0.1 : r = a < b : Show "2.5 < 0.1", r
a = "True" : b = CSng(1.5) : r = a < b : Show """True"" < CSng(1.5)", r
