On Error Resume Next
Dim a, b, r
a = -1E+300 : Set b = Nothing : r = a / b : Show "-1E+300 / Nothing", r
r = CCur(922337203685477) / CByte(7) : Show "CCur(922337203685477) / CByte(7)", r
a = "1/2/2003" : b = "True" : r = a / b : Show """1/2/2003"" / ""True""", r
r = CCur(922337203685477) / CSng(1.5) : Show "CCur(922337203685477) / CSng(1.5)", r
r = 0 / CLng(5) : Show "0 / CLng(5)", r
r = (1 / 3) / 12 : Show "(1 / 3) / 12", r
a = CCur(0.0001) : b = "1/2/2003" : r = a / b : Show "CCur(0.0001) / ""1/2/2003""", r
a = "" : Set b = Nothing : r = a / b : Show """"" / Nothing", r
r = CCur(922337203685477) / #1/2/2003# : Show "CCur(922337203685477) / #1/2/2003#", r
r = "1/2/2003" / -1E+300 : Show """1/2/2003"" / -1E+300", r
