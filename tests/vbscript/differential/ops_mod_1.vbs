On Error Resume Next
Dim a, b, r
a = "12" : b = CCur(0.0001) : r = a Mod b : Show """12"" Mod CCur(0.0001)", r
r = CCur(-0.5) Mod Null : Show "CCur(-0.5) Mod Null", r
r = CInt(-32768) Mod CInt(32767) : Show "CInt(-32768) Mod CInt(32767)", r
r = #12/30/1899# Mod "1/2/2003" : Show "#12/30/1899# Mod ""1/2/2003""", r
r = CInt(-32768) Mod False : Show "CInt(-32768) Mod False", r
a = False : b = 40000 : r = a Mod b : Show "False Mod 40000", r
a = -1E+300 : b = Empty : r = a Mod b : Show "-1E+300 Mod Empty", r
r = CByte(0) Mod 12 : Show "CByte(0) Mod 12", r
a = 12 : b = Null : r = a Mod b : Show "12 Mod Null", r
a = "abc" : b = False : r = a Mod b : Show """abc"" Mod False", r
