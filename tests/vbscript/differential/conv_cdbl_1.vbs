On Error Resume Next
Dim a, b, r
' CDbl of each operand
a = 12 : r = CDbl(a) : Show "12", r
a = "1/2/2003" : r = CDbl(a) : Show """1/2/2003""", r
a = #12/30/1899# : r = CDbl(a) : Show "#12/30/1899#", r
a = 0.1 : r = CDbl(a) : Show "0.1", r
a = CInt(-32768) : r = CDbl(a) : Show "CInt(-32768)", r
a = CCur(922337203685477) : r = CDbl(a) : Show "CCur(922337203685477)", r
a = Null : r = CDbl(a) : Show "Null", r
a = "True" : r = CDbl(a) : Show """True""", r
a = "" : r = CDbl(a) : Show """""", r
a = 40000 : r = CDbl(a) : Show "40000", r
a = CCur(12.3456) : r = CDbl(a) : Show "CCur(12.3456)", r
a = CSng(1.5) : r = CDbl(a) : Show "CSng(1.5)", r
a = (1 / 3) : r = CDbl(a) : Show "(1 / 3)", r
a = " 3.5 " : r = CDbl(a) : Show """ 3.5 """, r
a = CByte(0) : r = CDbl(a) : Show "CByte(0)", r
Set a = New Plain : r = CDbl(a) : Show "New Plain", r
a = -3 : r = CDbl(a) : Show "-3", r
a = "1E3" : r = CDbl(a) : Show """1E3""", r
a = #1/2/2003# : r = CDbl(a) : Show "#1/2/2003#", r
a = "12" : r = CDbl(a) : Show """12""", r
a = "-0" : r = CDbl(a) : Show """-0""", r
a = -1E+300 : r = CDbl(a) : Show "-1E+300", r
a = Empty : r = CDbl(a) : Show "Empty", r
