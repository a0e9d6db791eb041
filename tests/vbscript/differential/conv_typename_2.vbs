On Error Resume Next
Dim a, b, r
' TypeName of each operand
Set a = Nothing : r = TypeName(a) : Show "Nothing", r
a = 0.1 : r = TypeName(a) : Show "0.1", r
a = CDate(1.75) : r = TypeName(a) : Show "CDate(1.75)", r
a = 1E+308 : r = TypeName(a) : Show "1E+308", r
a = CInt(32767) : r = TypeName(a) : Show "CInt(32767)", r
a = "abc" : r = TypeName(a) : Show """abc""", r
Set a = New Valued : r = TypeName(a) : Show "New Valued", r
a = -1E+300 : r = TypeName(a) : Show "-1E+300", r
a = CCur(0.0001) : r = TypeName(a) : Show "CCur(0.0001)", r
a = 40000 : r = TypeName(a) : Show "40000", r
a = CCur(922337203685477) : r = TypeName(a) : Show "CCur(922337203685477)", r
a = True : r = TypeName(a) : Show "True", r
a = CCur(-0.5) : r = TypeName(a) : Show "CCur(-0.5)", r
Set a = New Plain : r = TypeName(a) : Show "New Plain", r
a = Array(1, "x") : r = TypeName(a) : Show "Array(1, ""x"")", r
a = #12/30/1899# : r = TypeName(a) : Show "#12/30/1899#", r
a = "" : r = TypeName(a) : Show """""", r
a = "12" : r = TypeName(a) : Show """12""", r
a = 12 : r = TypeName(a) : Show "12", r
a = #1/2/2003# : r = TypeName(a) : Show "#1/2/2003#", r
a = 2.5 : r = TypeName(a) : Show "2.5", r
a = "&H10" : r = TypeName(a) : Show """&H10""", r
a = #2/29/2000 11:59:59 PM# : r = TypeName(a) : Show "#2/29/2000 11:59:59 PM#", r
