On Error Resume Next
Dim a, b, r
a = #12/30/1899# : b = #12/30/1899# : r = a And b : Show "#12/30/1899# And #12/30/1899#", r
a = CCur(922337203685477) : b = CLng(-2147483647) : r = a And b : Show "CCur(922337203685477) And CLng(-2147483647)", r
a = CLng(-2147483647) : b = #6:30:00 PM# : r = a And b : Show "CLng(-2147483647) And #6:30:00 PM#", r
a = CSng(1.5) : b = CLng(5) : r = a And b : Show "CSng(1.5) And CLng(5)", r
r = Empty And 0 : Show "Empty And 0", r
Set a = Nothing : Set b = Nothing : r = a And b : Show "Nothing And Nothing", r
a = #12/30/1899# : b = CByte(7) : r = a And b : Show "#12/30/1899# And CByte(7)", r
a = CByte(255) : b = CSng(-0.1) : r = a And b : Show "CByte(255) And CSng(-0.1)", r
a = " 3.5 " : b = False : r = a And b : Show """ 3.5 "" And False", r
a = Array(1, "x") : b = "-0" : r = a And b : Show "Array(1, ""x"") And ""-0""", r
