On Error Resume Next
Dim a, b, r
a = " 3.5 " : b = CSng(1.5) : r = a = b : Show """ 3.5 "" = CSng(1.5)", r
a = "1E3" : b = Array(1, "x") : r = a = b : Show """1E3"" = Array(1, ""x"")", r
r = CSng(1.5) = 2.5 : Show "CSng(1.5) = 2.5", r
r = 0 = "12" : Show "0 = ""12""", r
r = #1/2/2003# = CLng(-2147483647) : Show "#1/2/2003# = CLng(-2147483647)", r
a = False : b = 2.5 : r = a = b : Show "False = 2.5", r
r = CInt(32767) = True : Show "CInt(32767) = True", r
a = CDate(1.75) : b = CByte(255) : r = a = b : Show "CDate(1.75) = CByte(255)", r
r = CInt(-32768) = CByte(0) : Show "CInt(-32768) = CByte(0)", r
a = "-0" : b = CLng(5) : r = a = b : Show """-0"" = CLng(5)", r
