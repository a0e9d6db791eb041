On Error Resume Next
Dim a, b, r
r = CCur(12.3456) - CInt(-32768) : Show "CCur(12.3456) - CInt(-32768)", r
a = #6:30:00 PM# : b = CSng(3E+38) : r = a - b : Show "#6:30:00 PM# - CSng(3E+38)", r
r = (1 / 3) - False : Show "(1 / 3) - False", r
r = " 3.5 " - 0.1 : Show """ 3.5 "" - 0.1", r
r = (1 / 3) - CSng(-0.1) : Show "(1 / 3) - CSng(-0.1)", r
a = "1E3" : b = "&H10" : r = a - b : Show """1E3"" - ""&H10""", r
r = #6:30:00 PM# - 12 : Show "#6:30:00 PM# - 12", r
a = "" : b = True : r = a - b : Show """"" - True", r
r = 2.5 - -3 : Show "2.5 - -3", r
r = 0 - 12 : Show "0 - 12", r
