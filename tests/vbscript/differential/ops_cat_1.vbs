On Error Resume Next
Dim a, b, r
r = "" & CSng(3E+38) : Show """"" & CSng(3E+38)", r
r = CLng(5) & "abc" : Show "CLng(5) & ""abc""", r
r = CByte(7) & 1E+308 : Show "CByte(7) & 1E+308", r
r = CByte(255) & CCur(12.3456) : Show "CByte(255) & CCur(12.3456)", r
a = -1E+300 : b = 0 : r = a & b : Show "-1E+300 & 0", r
a = CInt(32767) : b = "12" : r = a & b : Show "CInt(32767) & ""12""", r
Set a = Nothing : b = 2.5 : r = a & b : Show "Nothing & 2.5", r
a = "1E3" : b = CDate(1.75) : r = a & b : Show """1E3"" & CDate(1.75)", r
a = Null : b = CDate(1.75) : r = a & b : Show "Null & CDate(1.75)", r
a = Null : b = 0.1 : r = a & b : Show "Null & 0.1", r
