On Error Resume Next
Dim a, b, r
' CStr of each operand
a = "abc" : r = CStr(a) : Show """abc""", r
a = #1/2/2003# : r = CStr(a) : Show "#1/2/2003#", r
a = CCur(922337203685477) : r = CStr(a) : Show "CCur(922337203685477)", r
a = CInt(32767) : r = CStr(a) : Show "CInt(32767)", r
a = False : r = CStr(a) : Show "False", r
a = #6:30:00 PM# : r = CStr(a) : Show "#6:30:00 PM#", r
a = -3 : r = CStr(a) : Show "-3", r
Set a = Nothing : r = CStr(a) : Show "Nothing", r
a = CLng(-2147483647) : r = CStr(a) : Show "CLng(-2147483647)", r
a = 0 : r = CStr(a) : Show "0", r
a = CByte(255) : r = CStr(a) : Show "CByte(255)", r
a = "&H10" : r = CStr(a) : Show """&H10""", r
a = 0.1 : r = CStr(a) : Show "0.1", r
a = Empty : r = CStr(a) : Show "Empty", r
a = Array(1, "x") : r = CStr(a) : Show "Array(1, ""x"")", r
a = CSng(1.5) : r = CStr(a) : Show "CSng(1.5)", r
a = True : r = CStr(a) : Show "True", r
a = (1 / 3) : r = CStr(a) : Show "(1 / 3)", r
a = "12" : r = CStr(a) : Show """12""", r
a = -1E+300 : r = CStr(a) : Show "-1E+300", r
a = CInt(-32768) : r = CStr(a) : Show "CInt(-32768)", r
a = CByte(7) : r = CStr(a) : Show "CByte(7)", r
a = " 3.5 " : r = CStr(a) : Show """ 3.5 """, r
