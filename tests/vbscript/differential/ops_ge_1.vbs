On Error Resume Next
Dim a, b, r
a = "1E3" : b = "&H10" : r = a >= b : Show """1E3"" >= ""&H10""", r
r = False >= CByte(0) : Show "False >= CByte(0)", r
a = CInt(32767) : b = #2/29/2000 11:59:59 PM# : r = a >= b : Show "CInt(32767) >= #2/29/2000 11:59:59 PM#", r
r = "&H10" >= 40000 : Show """&H10"" >= 40000", r
r = #12/30/1899# >= 2.5 : Show "#12/30/1899# >= 2.5", r
a = 2147483647 : b = "" : r = a >= b : Show "2147483647 >= """"", r
r = 0 >= CLng(-2147483647) : Show "0 >= CLng(-2147483647)", r
a = CLng(-2147483647) : b = CDate(1.75) : r = a >= b : Show "CLng(-2147483647) >= CDate(1.75)", r
r = CInt(-32768) >= #12/30/1899# : Show "CInt(-32768) >= #12/30/1899#", r
r = CByte(255) >= "1/2/2003" : Show "CByte(255) >= ""1/2/2003""", r
