On Error Resume Next
Dim a, b, r
' Len of each operand
a = CByte(255) : r = Len(a) : Show "CByte(255)", r
a = "12" : r = Len(a) : Show """12""", r
a = "-0" : r = Len(a) : Show """-0""", r
a = Array(1, "x") : r = Len(a) : Show "Array(1, ""x"")", r
a = False : r = Len(a) : Show "False", r
a = " 3.5 " : r = Len(a) : Show """ 3.5 """, r
a = CSng(-0.1) : r = Len(a) : Show "CSng(-0.1)", r
a = CLng(5) : r = Len(a) : Show "CLng(5)", r
a = 0.1 : r = Len(a) : Show "0.1", r
a = 0 : r = Len(a) : Show "0", r
a = -1E+300 : r = Len(a) : Show "-1E+300", r
a = 2147483647 : r = Len(a) : Show "2147483647", r
a = CByte(7) : r = Len(a) : Show "CByte(7)", r
a = "&H10" : r = Len(a) : Show """&H10""", r
a = 2.5 : r = Len(a) : Show "2.5", r
a = #6:30:00 PM# : r = Len(a) : Show "#6:30:00 PM#", r
a = "abc" : r = Len(a) : Show """abc""", r
a = -3 : r = Len(a) : Show "-3", r
a = True : r = Len(a) : Show "True", r
a = 12 : r = Len(a) : Show "12", r
Set a = Nothing : r = Len(a) : Show "Nothing", r
Set a = New Plain : r = Len(a) : Show "New Plain", r
a = #12/30/1899# : r = Len(a) : Show "#12/30/1899#", r
