On Error Resume Next
Dim a, b, r
r = -3 <> "" : Show "-3 <> """"", r
a = 2.5 : b = 1E+308 : r = a <> b : Show "2.5 <> 1E+308", r
r = 2.5 <> CLng(5) : Show "2.5 <> CLng(5)", r
a = (1 / 3) : b = 2.5 : r = a <> b : Show "(1 / 3) <> 2.5", r
a = CByte(7) : b = CByte(255) : r = a <> b : Show "CByte(7) <> CByte(255)", r
r = CSng(3E+38) <> #2/29/2000 11:59:59 PM# : Show "CSng(3E+38) <> #2/29/2000 11:59:59 PM#", r
a = "&H10" : b = Null : r = a <> b : Show """&H10"" <> Null", r
Set a = New Plain : b = "-0" : r = a <> b : Show "New Plain <> ""-0""", r
a = CByte(7) : b = CLng(5) : r = a <> b : Show "CByte(7) <> CLng(5)", r
a = CSng(3E+38) : b = CCur(922337203685477) : r = a <> b : Show "CSng(3E+38) <> CCur(922337203685477)", r
