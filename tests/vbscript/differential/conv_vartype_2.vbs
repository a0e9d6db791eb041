On Error Resume Next
Dim a, b, r
' VarType of each operand
a = Array(1, "x") : r = VarType(a) : Show "Array(1, ""x"")", r
a = 0.1 : r = VarType(a) : Show "0.1", r
a = CByte(255) : r = VarType(a) : Show "CByte(255)", r
a = #12/30/1899# : r = VarType(a) : Show "#12/30/1899#", r
a = "True" : r = VarType(a) : Show """True""", r
a = "-0" : r = VarType(a) : Show """-0""", r
a = CSng(-0.1) : r = VarType(a) : Show "CSng(-0.1)", r
a = CCur(0.0001) : r = VarType(a) : Show "CCur(0.0001)", r
a = CCur(12.3456) : r = VarType(a) : Show "CCur(12.3456)", r
a = (1 / 3) : r = VarType(a) : Show "(1 / 3)", r
a = CByte(7) : r = VarType(a) : Show "CByte(7)", r
a = Empty : r = VarType(a) : Show "Empty", r
a = #1/2/2003# : r = VarType(a) : Show "#1/2/2003#", r
a = "1/2/2003" : r = VarType(a) : Show """1/2/2003""", r
a = 0 : r = VarType(a) : Show "0", r
a = 40000 : r = VarType(a) : Show "40000", r
a = Null : r = VarType(a) : Show "Null", r
a = CLng(5) : r = VarType(a) : Show "CLng(5)", r
a = "12" : r = VarType(a) : Show """12""", r
a = -3 : r = VarType(a) : Show "-3", r
Set a = Nothing : r = VarType(a) : Show "Nothing", r
a = 2.5 : r = VarType(a) : Show "2.5", r
a = CSng(1.5) : r = VarType(a) : Show "CSng(1.5)", r
