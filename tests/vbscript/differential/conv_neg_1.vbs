On Error Resume Next
Dim a, b, r
' - of each operand
a = 0 : r = -a : Show "0", r
a = False : r = -a : Show "False", r
a = True : r = -a : Show "True", r
a = #6:30:00 PM# : r = -a : Show "#6:30:00 PM#", r
a = #2/29/2000 11:59:59 PM# : r = -a : Show "#2/29/2000 11:59:59 PM#", r
a = -3 : r = -a : Show "-3", r
a = CLng(5) : r = -a : Show "CLng(5)", r
a = "1/2/2003" : r = -a : Show """1/2/2003""", r
a = CByte(0) : r = -a : Show "CByte(0)", r
a = CCur(12.3456) : r = -a : Show "CCur(12.3456)", r
a = "abc" : r = -a : Show """abc""", r
Set a = New Plain : r = -a : Show "New Plain", r
a = -1E+300 : r = -a : Show "-1E+300", r
a = #12/30/1899# : r = -a : Show "#12/30/1899#", r
a = 1E+308 : r = -a : Show "1E+308", r
a = 2147483647 : r = -a : Show "2147483647", r
a = #1/2/2003# : r = -a : Show "#1/2/2003#", r
a = 2.5 : r = -a : Show "2.5", r
a = "True" : r = -a : Show """True""", r
a = "12" : r = -a : Show """12""", r
a = 12 : r = -a : Show "12", r
Set a = Nothing : r = -a : Show "Nothing", r
a = CCur(0.0001) : r = -a : Show "CCur(0.0001)", r
