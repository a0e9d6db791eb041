On Error Resume Next
Dim a, b, r
a = CInt(32767) : b = CSng(-0.1) : r = a <= b : Show "CInt(32767) <= CSng(-0.1)", r
r = #1/2/2003# <= #12/30/1899# : Show "#1/2/2003# <= #12/30/1899#", r
a = -1E+300 : b = 0.1 : r = a <= b : Show "-1E+300 <= 0.1", r
a = #2/29/2000 11:59:59 PM# : b = 0 : r = a <= b : Show "#2/29/2000 11:59:59 PM# <= 0", r
r = CCur(-0.5) <= -3 : Show "CCur(-0.5) <= -3", r
a = Array(1, "x") : b = CCur(0.0001) : r = a <= b : Show "Array(1, ""x"") <= CCur(0.0001)", r
a = CSng(1.5) : b = #12/30/1899# : r = a <= b : Show "CSng(1.5) <= #12/30/1899#", r
Set a = New Plain : b = True : r = a <= b : Show "New Plain <= True", r
a = -1E+300 : b = CCur(922337203685477) : r = a <= b : Show "-1E+300 <= CCur(922337203685477)", r
a = CCur(922337203685477) : b = #12/30/1899# : r = a <= b : Show "CCur(922337203685477) <= #12/30/1899#", r
