On Error Resume Next
Dim a, b, r
a = 2.5 : b = CByte(0) : r = a - b : Show "2.5 - CByte(0)", r
a = CByte(255) : b = True : r = a - b : Show "CByte(255) - True", r
a = " 3.5 " : b = (1 / 3) : r = a - b : Show """ 3.5 "" - (1 / 3)", r
r = Array(1, "x") - #1/2/2003# : Show "Array(1, ""x"") - #1/2/2003#", r
a = "12" : b = CSng(1.5) : r = a - b : Show """12"" - CSng(1.5)", r
r = "" - "True" : Show """"" - ""True""", r
a = -1E+300 : b = CByte(0) : r = a - b : Show "-1E+300 - CByte(0)", r
a = #1/2/2003# : b = "1/2/2003" : r = a - b : Show "#1/2/2003# - ""1/2/2003""", r
r = #2/29/2000 11:59:59 PM# - CCur(-0.5) : Show "#2/29/2000 11:59:59 PM# - CCur(-0.5)", r
r = "12" - "1E3" : Show """12"" - ""1E3""", r
