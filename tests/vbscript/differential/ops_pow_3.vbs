On Error Resume Next
Dim a, b, r
a = CSng(1.5) : b = CLng(5) : r = a ^ b : Show "CSng(1.5) ^ CLng(5)", r
Set a = Nothing : Set b = New Valued : r = a ^ b : Show "Nothing ^ New Valued", r
a = 12 : b = CByte(0) : r = a ^ b : Show "12 ^ CByte(0)", r
Set a = New Valued : b = 40000 : r = a ^ b : Show "New Valued ^ 40000", r
Set a = Nothing : b = #1/2/2003# : r = a ^ b : Show "Nothing ^ #1/2/2003#", r
r = #12/30/1899# ^ CSng(-0.1) : Show "#12/30/1899# ^ CSng(-0.1)", r
a = 0.1 : b = CCur(-0.5) : r = a ^ b : Show "0.1 ^ CCur(-0.5)", r
r = "&H10" ^ 12 : Show """&H10"" ^ 12", r
r = CCur(-0.5) ^ False : Show "CCur(-0.5) ^ False", r
r = CLng(5) ^ "1/2/2003" : Show "CLng(5) ^ ""1/2/2003""", r
