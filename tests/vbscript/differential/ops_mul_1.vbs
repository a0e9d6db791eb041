On Error Resume Next
Dim a, b, r
a = CLng(5) : b = "1/2/2003" : r = a * b : Show "CLng(5) * ""1/2/2003""", r
a = "True" : b = CByte(0) : r = a * b : Show """True"" * CByte(0)", r
Set a = New Valued : b = "-0" : r = a * b : Show "New Valued * ""-0""", r
r = CInt(-32768) * True : Show "CInt(-32768) * True", r
a = #12/30/1899# : b = CCur(922337203685477) : r = a * b : Show "#12/30/1899# * CCur(922337203685477)", r
r = CByte(255) * CByte(0) : Show "CByte(255) * CByte(0)", r
a = "12" : b = "1E3" : r = a * b : Show """12"" * ""1E3""", r
a = CByte(7) : b = CCur(922337203685477) : r = a * b : Show "CByte(7) * CCur(922337203685477)", r
r = "abc" * CByte(0) : Show """abc"" * CByte(0)", r
a = #6:30:00 PM# : b = -1E+300 : r = a * b : Show "#6:30:00 PM# * -1E+300", r
