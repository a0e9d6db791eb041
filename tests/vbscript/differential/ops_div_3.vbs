On Error Resume Next
Dim a, b, r
r = CByte(7) / #2/29/2000 11:59:59 PM# : Show "CByte(7) / #2/29/2000 11:59:59 PM#", r
r = 0.1 / 1E+308 : Show "0.1 / 1E+308", r
a = False : b = CByte(7) : r = a / b : Show "False / CByte(7)", r
r = 2147483647 / CCur(12.3456) : Show "2147483647 / CCur(12.3456)", r
a = #12/30/1899# : b = 2147483647 : r = a / b : Show "#12/30/1899# / 2147483647", r
r = Null / CInt(32767) : Show "Null / CInt(32767)", r
a = #1/2/2003# : b = CInt(-32768) : r = a / b : Show "#1/2/2003# / CInt(-32768)", r
r = 2.5 / 1E+308 : Show "2.5 / 1E+308", r
r = CByte(7) / "&H10" : Show "CByte(7) / ""&H10""", r
a = CLng(5) : b = CDate(1.75) : r = a / b : Show "CLng(5) / CDate(1.75)", r
