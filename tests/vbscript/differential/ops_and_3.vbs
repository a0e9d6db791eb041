On Error Resume Next
Dim a, b, r
a = CCur(12.3456) : b = "abc" : r = a And b : Show "CCur(12.3456) And ""abc""", r
a = CLng(-2147483647) : b = CCur(12.3456) : r = a And b : Show "CLng(-2147483647) And CCur(12.3456)", r
r = 0 And "1E3" : Show "0 And ""1E3""", r
a = CSng(3E+38) : b = CSng(1.5) : r = a And b : Show "CSng(3E+38) And CSng(1.5)", r
a = CCur(922337203685477) : b = CCur(12.3456) : r = a And b : Show "CCur(922337203685477) And CCur(12.3456)", r
a = 12 : b = 12 : r = a And b : Show "12 And 12", r
a = CLng(-2147483647) : b = CDate(1.75) : r = a And b : Show "CLng(-2147483647) And CDate(1.75)", r
a = "True" : b = CSng(1.5) : r = a And b : Show """True"" And CSng(1.5)", r
a = " 3.5 " : b = 12 : r = a And b : Show """ 3.5 "" And 12", r
a = Null : b = CByte(7) : r = a And b : Show "Null And CByte(7)", r
