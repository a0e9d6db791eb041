On Error Resume Next
Dim a, b, r
r = "-0" Eqv 1E+308 : Show """-0"" Eqv 1E+308", r
a = True : b = CCur(922337203685477) : r = a Eqv b : Show "True Eqv CCur(922337203685477)", r
a = CCur(12.3456) : b = CByte(0) : r = a Eqv b : Show "CCur(12.3456) Eqv CByte(0)", r
a = #1/2/2003# : b = "-0" : r = a Eqv b : Show "#1/2/2003# Eqv ""-0""", r
a = CInt(-32768) : b = "12" : r = a Eqv b : Show "CInt(-32768) Eqv ""12""", r
a = CInt(32767) : b = False : r = a Eqv b : Show "CInt(32767) Eqv False", r
a = CByte(7) : b = 2.5 : r = a Eqv b : Show "CByte(7) Eqv 2.5", r
r = False Eqv 0.1 : Show "False Eqv 0.1", r
r = CLng(-2147483647) Eqv 2147483647 : Show "CLng(-2147483647) Eqv 2147483647", r
r = "" Eqv 1E+308 : Show """"" Eqv 1E+308", r
