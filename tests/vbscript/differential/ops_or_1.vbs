On Error Resume Next
Dim a, b, r
a = CLng(5) : b = (1 / 3) : r = a Or b : Show "CLng(5) Or (1 / 3)", r
r = 1E+308 Or CSng(1.5) : Show "1E+308 Or CSng(1.5)", r
r = 12 Or "&H10" : Show "12 Or ""&H10""", r
r = #1/2/2003# Or CCur(922337203685477) : Show "#1/2/2003# Or CCur(922337203685477)", r
a = -1E+300 : b = CInt(32767) : r = a Or b : Show "-1E+300 Or CInt(32767)", r
a = CSng(3E+38) : b = CSng(3E+38) : r = a Or b : Show "CSng(3E+38) Or CSng(3E+38)", r
a = "1E3" : b = CByte(255) : r = a Or b : Show """1E3"" Or CByte(255)", r
Set a = New Plain : b = -1E+300 : r = a Or b : Show "New Plain Or -1E+300", r
r = Array(1, "x") Or True : Show "Array(1, ""x"") Or True", r
r = -3 Or 2147483647 : Show "-3 Or 2147483647", r
