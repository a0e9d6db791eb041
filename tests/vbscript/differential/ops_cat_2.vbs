On Error Resume Next
Dim a, b, r
r = CCur(-0.5) & Empty : Show "CCur(-0.5) & Empty", r
a = "" : b = True : r = a & b : Show """"" & True", r
a = CSng(-0.1) : b = True : r = a & b : Show "CSng(-0.1) & True", r
r = 12 & CByte(7) : Show "12 & CByte(7)", r
r = " 3.5 " & CByte(0) : Show """ 3.5 "" & CByte(0)", r
a = CByte(255) : b = CLng(5) : r = a & b : Show "CByte(255) & CLng(5)", r
a = Array(1, "x") : b = CLng(5) : r = a & b : Show "Array(1, ""x"") & CLng(5)", r
a = CCur(0.0001) : b = CInt(-32768) : r = a & b : Show "CCur(0.0001) & CInt(-32768)", r
a = Empty : b = CByte(7) : r = a & b : Show "Empty & CByte(7)", r
Set a = New Plain : b = False : r = a & b : Show "New Plain & False", r
