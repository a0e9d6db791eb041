On Error Resume Next
Dim a, b, r
r = True / -1E+300 : Show "True / -1E+300", r
r = CByte(7) / CLng(5) : Show "CByte(7) / CLng(5)", r
r = -1E+300 / -1E+300 : Show "-1E+300 / -1E+300", r
a = CSng(3E+38) : b = "True" : r = a / b : Show "CSng(3E+38) / ""True""", r
a = Null : b = 0.1 : r = a / b : Show "Null / 0.1", r
a = Null : b = CCur(12.3456) : r = a / b : Show "Null / CCur(12.3456)", r
a = CSng(1.5) : b = #12/30/1899# : r = a / b : Show "CSng(1.5) / #12/30/1899#", r
a = "abc" : b = "abc" : r = a / b : Show """abc"" / ""abc""", r
a = "&H10" : b = "1E3" : r = a / b : Show """&H10"" / ""1E3""", r
a = #1/2/2003# : b = -1E+300 : r = a / b : Show "#1/2/2003# / -1E+300", r
