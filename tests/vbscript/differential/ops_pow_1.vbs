On Error Resume Next
Dim a, b, r
a = Array(1, "x") : b = #2/29/2000 11:59:59 PM# : r = a ^ b : Show "Array(1, ""x"") ^ #2/29/2000 11:59:59 PM#", r
a = 2.5 : b = CLng(5) : r = a ^ b : Show "2.5 ^ CLng(5)", r
a = " 3.5 " : b = #6:30:00 PM# : r = a ^ b : Show """ 3.5 "" ^ #6:30:00 PM#", r
a = CCur(12.3456) : b = 1E+308 : r = a ^ b : Show "CCur(12.3456) ^ 1E+308", r
r = "12" ^ CCur(-0.5) : Show """12"" ^ CCur(-0.5)", r
a = CLng(5) : b = CCur(0.0001) : r = a ^ b : Show "CLng(5) ^ CCur(0.0001)", r
r = CSng(1.5) ^ #6:30:00 PM# : Show "CSng(1.5) ^ #6:30:00 PM#", r
a = CInt(-32768) : b = #1/2/2003# : r = a ^ b : Show "CInt(-32768) ^ #1/2/2003#", r
a = CCur(0.0001) : b = #12/30/1899# : r = a ^ b : Show "CCur(0.0001) ^ #12/30/1899#", r
r = 1E+308 ^ (1 / 3) : Show "1E+308 ^ (1 / 3)", r
