On Error Resume Next
Dim a, b, r
r = 0.1 Eqv #6:30:00 PM# : Show "0.1 Eqv #6:30:00 PM#", r
a = CLng(-2147483647) : b = 12 : r = a Eqv b : Show "CLng(-2147483647) Eqv 12", r
r = Empty Eqv 0.1 : Show "Empty Eqv 0.1", r
a = 0.1 : b = "" : r = a Eqv b : Show "0.1 Eqv """"", r
Set a = New Plain : b = CByte(7) : r = a Eqv b : Show "New Plain Eqv CByte(7)", r
a = 0.1 : b = CByte(255) : r = a Eqv b : Show "0.1 Eqv CByte(255)", r
a = 1E+308 : b = "abc" : r = a Eqv b : Show "1E+308 Eqv ""abc""", r
r = 12 Eqv CCur(12.3456) : Show "12 Eqv CCur(12.3456)", r
a = " 3.5 " : b = "True" : r = a Eqv b : Show """ 3.5 "" Eqv ""True""", r
a = "-0" : b = CLng(-2147483647) : r = a Eqv b : Show """-0"" Eqv CLng(-2147483647)", r
