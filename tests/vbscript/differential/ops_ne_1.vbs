On Error Resume Next
Dim a, b, r
a = #2/29/2000 11:59:59 PM# : b = CSng(3E+38) : r = a <> b : Show "#2/29/2000 11:59:59 PM# <> CSng(3E+38)", r
Set a = Nothing : b = #1/2/2003# : r = a <> b : Show "Nothing <> #1/2/2003#", r
a = #2/29/2000 11:59:59 PM# : b = "abc" : r = a <> b : Show "#2/29/2000 11:59:59 PM# <> ""abc""", r
a = CSng(-0.1) : b = 12 : r = a <> b : Show "CSng(-0.1) <> 12", r
Set a = New Valued : b = -3 : r = a <> b : Show "New Valued <> -3", r
a = CSng(3E+38) : b = "1/2/2003" : r = a <> b : Show "CSng(3E+38) <> ""1/2/2003""", r
a = CCur(-0.5) : b = True : r = a <> b : Show "CCur(-0.5) <> True", r
a = CCur(12.3456) : b = True : r = a <> b : Show "CCur(12.3456) <> True", r
r = "1E3" <> CByte(0) : Show """1E3"" <> CByte(0)", r
r = CCur(12.3456) <> 1E+308 : Show "CCur(12.3456) <> 1E+308", r
