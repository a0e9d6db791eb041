On Error Resume Next
Dim a, b, r
' Hex of each operand
a = #1/2/2003# : r = Hex(a) : Show "#1/2/2003#", r
a = CCur(-0.5) : r = Hex(a) : Show "CCur(-0.5)", r
a = 2147483647 : r = Hex(a) : Show "2147483647", r
a = CCur(12.3456) : r = Hex(a) : Show "CCur(12.3456)", r
a = CByte(255) : r = Hex(a) : Show "CByte(255)", r
a = False : r = Hex(a) : Show "False", r
a = CInt(-32768) : r = Hex(a) : Show "CInt(-32768)", r
a = CInt(32767) : r = Hex(a) : Show "CInt(32767)", r
a = "1/2/2003" : r = Hex(a) : Show """1/2/2003""", r
a = Null : r = Hex(a) : Show "Null", r
a = True : r = Hex(a) : Show "True", r
a = CSng(1.5) : r = Hex(a) : Show "CSng(1.5)", r
a = 2.5 : r = Hex(a) : Show "2.5", r
a = #12/30/1899# : r = Hex(a) : Show "#12/30/1899#", r
a = 0.1 : r = Hex(a) : Show "0.1", r
a = Empty : r = Hex(a) : Show "Empty", r
a = #6:30:00 PM# : r = Hex(a) : Show "#6:30:00 PM#", r
a = 12 : r = Hex(a) : Show "12", r
Set a = Nothing : r = Hex(a) : Show "Nothing", r
a = Array(1, "x") : r = Hex(a) : Show "Array(1, ""x"")", r
a = CLng(-2147483647) : r = Hex(a) : Show "CLng(-2147483647)", r
a = CLng(5) : r = Hex(a) : Show "CLng(5)", r
a = 1E+308 : r = Hex(a) : Show "1E+308", r
