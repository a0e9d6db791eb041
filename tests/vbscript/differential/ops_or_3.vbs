On Error Resume Next
Dim a, b, r
a = Empty : b = CCur(922337203685477) : r = a Or b : Show "Empty Or CCur(922337203685477)", r
r = True Or 2.5 : Show "True Or 2.5", r
a = "-0" : b = #6:30:00 PM# : r = a Or b : Show """-0"" Or #6:30:00 PM#", r
a = CCur(0.0001) : b = False : r = a Or b : Show "CCur(0.0001) Or False", r
r = CInt(-32768) Or -1E+300 : Show "CInt(-32768) Or -1E+300", r
r = CSng(-0.1) Or #2/29/2000 11:59:59 PM# : Show "CSng(-0.1) Or #2/29/2000 11:59:59 PM#", r
r = CLng(5) Or "" : Show "CLng(5) Or """"", r
a = "" : b = True : r = a Or b : Show """"" Or True", r
a = Array(1, "x") : b = 0.1 : r = a Or b : Show "Array(1, ""x"") Or 0.1", r
a = " 3.5 " : b = #12/30/1899# : r = a Or b : Show """ 3.5 "" Or #12/30/1899#", r
