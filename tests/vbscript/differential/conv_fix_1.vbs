On Error Resume Next
Dim a, b, r
' Fix of each operand
a = "abc" : r = Fix(a) : Show """abc""", r
a = -1E+300 : r = Fix(a) : Show "-1E+300", r
a = "-0" : r = Fix(a) : Show """-0""", r
a = 2.5 : r = Fix(a) : Show "2.5", r
a = "1E3" : r = Fix(a) : Show """1E3""", r
a = #12/30/1899# : r = Fix(a) : Show "#12/30/1899#", r
a = #2/29/2000 11:59:59 PM# : r = Fix(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CLng(-2147483647) : r = Fix(a) : Show "CLng(-2147483647)", r
a = True : r = Fix(a) : Show "True", r
a = (1 / 3) : r = Fix(a) : Show "(1 / 3)", r
a = #1/2/2003# : r = Fix(a) : Show "#1/2/2003#", r
a = 12 : r = Fix(a) : Show "12", r
a = CSng(1.5) : r = Fix(a) : Show "CSng(1.5)", r
a = CDate(1.75) : r = Fix(a) : Show "CDate(1.75)", r
a = CCur(12.3456) : r = Fix(a) : Show "CCur(12.3456)", r
a = 0.1 : r = Fix(a) : Show "0.1", r
Set a = New Valued : r = Fix(a) : Show "New Valued", r
Set a = New Plain : r = Fix(a) : Show "New Plain", r
a = -3 : r = Fix(a) : Show "-3", r
a = "12" : r = Fix(a) : Show """12""", r
a = CCur(922337203685477) : r = Fix(a) : Show "CCur(922337203685477)", r
a = CByte(0) : r = Fix(a) : Show "CByte(0)", r
a = CCur(-0.5) : r = Fix(a) : Show "CCur(-0.5)", r
