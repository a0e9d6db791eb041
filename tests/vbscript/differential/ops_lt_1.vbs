On Error Resume Next
Dim a, b, r
a = " 3.5 " : b = Empty : r = a < b : Show """ 3.5 "" < Empty", r
r = 0 < CSng(1.5) : Show "0 < CSng(1.5)", r
Set a = New Valued : b = 1E+308 : r = a < b : Show "New Valued < 1E+308", r
r = "-0" < "-0" : Show """-0"" < ""-0""", r
r = #6:30:00 PM# < #12/30/1899# : Show "#6:30:00 PM# < #12/30/1899#", r
a = -1E+300 : Set b = Nothing : r = a < b : Show "-1E+300 < Nothing", r
r = CLng(-2147483647) < "1/2/2003" : Show "CLng(-2147483647) < ""1/2/2003""", r
a = CCur(-0.5) : b = "-0" : r = a < b : Show "CCur(-0.5) < ""-0""", r
a = #2/29/2000 11:59:59 PM# : b = CInt(-32768) : r = a < b : Show "#2/29/2000 11:59:59 PM# < CInt(-32768)", r
a = "abc" : b = Array(1, "x") : r = a < b : Show """abc"" < Array(1, ""x"")", r
