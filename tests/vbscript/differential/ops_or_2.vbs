On Error Resume Next
Dim a, b, r
a = CByte(7) : b = 0 : r = a Or b : Show "CByte(7) Or 0", r
a = CSng(-0.1) : b = True : r = a Or b : Show "CSng(-0.1) Or True", r
r = CLng(5) Or CInt(32767) : Show "CLng(5) Or CInt(32767)", r
r = Empty Or "-0" : Show "Empty Or ""-0""", r
a = CInt(32767) : b = CSng(-0.1) : r = a Or b : Show "CInt(32767) Or CSng(-0.1)", r
a = True : b = CSng(-0.1) : r = a Or b : Show "True Or CSng(-0.1)", r
a = CLng(5) : b = CCur(-0.5) : r = a Or b : Show "CLng(5) Or CCur(-0.5)", r
r = (1 / 3) Or False : Show "(1 / 3) Or False", r
a = CCur(0.0001) : b = #12/30/1899# : r = a Or b : Show "CCur(0.0001) Or #12/30/1899#", r
a = CInt(-32768) : b = #1/2/2003# : r = a Or b : Show "CInt(-32768) Or #1/2/2003#", r
