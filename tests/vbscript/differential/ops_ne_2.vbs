On Error Resume Next
Dim a, b, r
Set a = New Plain : b = "&H10" : r = a <> b : Show "New Plain <> ""&H10""", r
r = CSng(3E+38) <> 1E+308 : Show "CSng(3E+38) <> 1E+308", r
r = "-0" <> CCur(12.3456) : Show """-0"" <> CCur(12.3456)", r
r = 40000 <> "12" : Show "40000 <> ""12""", r
a = -3 : b = "12" : r = a <> b : Show "-3 <> ""12""", r
a = (1 / 3) : b = 0.1 : r = a <> b : Show "(1 / 3) <> 0.1", r
r = True <> "abc" : Show "True <> ""abc""", r
Set a = New Plain : b = #1/2/2003# : r = a <> b : Show "New Plain <> #1/2/2003#", r
a = 0.1 : b = (1 / 3) : r = a <> b : Show "0.1 <> (1 / 3)", r
a = False : b = CSng(3E+38) : r = a <> b : Show "False <> CSng(3E+38)", r
