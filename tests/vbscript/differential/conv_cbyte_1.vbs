On Error Resume Next
Dim a, b, r
' CByte of each operand
a = CSng(1.5) : r = CByte(a) : Show "CSng(1.5)", r
a = "12" : r = CByte(a) : Show """12""", r
a = CInt(-32768) : r = CByte(a) : Show "CInt(-32768)", r
Set a = Nothing : r = CByte(a) : Show "Nothing", r
a = #1/2/2003# : r = CByte(a) : Show "#1/2/2003#", r
a = CByte(0) : r = CByte(a) : Show "CByte(0)", r
a = CSng(3E+38) : r = CByte(a) : Show "CSng(3E+38)", r
a = "-0" : r = CByte(a) : Show """-0""", r
a = CCur(12.3456) : r = CByte(a) : Show "CCur(12.3456)", r
a = Null : r = CByte(a) : Show "Null", r
a = #2/29/2000 11:59:59 PM# : r = CByte(a) : Show "#2/29/2000 11:59:59 PM#", r
a = #6:30:00 PM# : r = CByte(a) : Show "#6:30:00 PM#", r
a = CInt(32767) : r = CByte(a) : Show "CInt(32767)", r
a = True : r = CByte(a) : Show "True", r
a = CDate(1.75) : r = CByte(a) : Show "CDate(1.75)", r
a = CCur(-0.5) : r = CByte(a) : Show "CCur(-0.5)", r
a = "1E3" : r = CByte(a) : Show """1E3""", r
a = -3 : r = CByte(a) : Show "-3", r
a = False : r = CByte(a) : Show "False", r
Set a = New Valued : r = CByte(a) : Show "New Valued", r
a = CCur(922337203685477) : r = CByte(a) : Show "CCur(922337203685477)", r
a = "True" : r = CByte(a) : Show """True""", r
a = #12/30/1899# : r = CByte(a) : Show "#12/30/1899#", r
