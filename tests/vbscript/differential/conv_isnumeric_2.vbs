On Error Resume Next
Dim a, b, r
' IsNumeric of each operand
a = CByte(7) : r = IsNumeric(a) : Show "CByte(7)", r
a = CSng(-0.1) : r = IsNumeric(a) : Show "CSng(-0.1)", r
a = CSng(1.5) : r = IsNumeric(a) : Show "CSng(1.5)", r
a = -1E+300 : r = IsNumeric(a) : Show "-1E+300", r
a = (1 / 3) : r = IsNumeric(a) : Show "(1 / 3)", r
a = 1E+308 : r = IsNumeric(a) : Show "1E+308", r
a = False : r = IsNumeric(a) : Show "False", r
a = CCur(-0.5) : r = IsNumeric(a) : Show "CCur(-0.5)", r
Set a = Nothing : r = IsNumeric(a) : Show "Nothing", r
a = -3 : r = IsNumeric(a) : Show "-3", r
a = CInt(32767) : r = IsNumeric(a) : Show "CInt(32767)", r
a = #1/2/2003# : r = IsNumeric(a) : Show "#1/2/2003#", r
a = CLng(5) : r = IsNumeric(a) : Show "CLng(5)", r
a = CCur(922337203685477) : r = IsNumeric(a) : Show "CCur(922337203685477)", r
a = "" : r = IsNumeric(a) : Show """""", r
a = "abc" : r = IsNumeric(a) : Show """abc""", r
a = #6:30:00 PM# : r = IsNumeric(a) : Show "#6:30:00 PM#", r
a = 0.1 : r = IsNumeric(a) : Show "0.1", r
a = "12" : r = IsNumeric(a) : Show """12""", r
a = Empty : r = IsNumeric(a) : Show "Empty", r
a = "1/2/2003" : r = IsNumeric(a) : Show """1/2/2003""", r
a = True : r = IsNumeric(a) : Show "True", r
a = 40000 : r = IsNumeric(a) : Show "40000", r
