On Error Resume Next
Dim a, b, r
r = (1 / 3) >= "1/2/2003" : Show "(1 / 3) >= ""1/2/2003""", r
a = CByte(7) : b = "-0" : r = a >= b : Show "CByte(7) >= ""-0""", r
r = 0 >= False : Show "0 >= False", r
r = "True" >= CCur(12.3456) : Show """True"" >= CCur(12.3456)", r
r = CByte(7) >= False : Show "CByte(7) >= False", r
a = #1/2/2003# : b = Empty : r = a >= b : Show "#1/2/2003# >= Empty", r
a = #2/29/2000 11:59:59 PM# : b = Array(1, "x") : r = a >= b : Show "#2/29/2000 11:59:59 PM# >= Array(1, ""x"")", r
a = #2/29/2000 11:59:59 PM# : b = CInt(32767) : r = a >= b : Show "#2/29/2000 11:59:59 PM# >= CInt(32767)", r
a = #6:30:00 PM# : b = 0 : r = a >= b : Show "#6:30:00 PM# >= 0", r
r = CLng(5) >= "" : Show "CLng(5) >= """"", r
