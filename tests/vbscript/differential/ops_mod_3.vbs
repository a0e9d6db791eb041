On Error Resume Next
Dim a, b, r
r = "abc" Mod CSng(-0.1) : Show """abc"" Mod CSng(-0.1)", r
a = (1 / 3) : b = CInt(-32768) : r = a Mod b : Show "(1 / 3) Mod CInt(-32768)", r
a = "1E3" : b = #6:30:00 PM# : r = a Mod b : Show """1E3"" Mod #6:30:00 PM#", r
a = CByte(7) : b = #2/29/2000 11:59:59 PM# : r = a Mod b : Show "CByte(7) Mod #2/29/2000 11:59:59 PM#", r
r = 12 Mod CByte(0) : Show "12 Mod CByte(0)", r
a = CSng(-0.1) : b = #1/2/2003# : r = a Mod b : Show "CSng(-0.1) Mod #1/2/2003#", r
a = " 3.5 " : b = Empty : r = a Mod b : Show """ 3.5 "" Mod Empty", r
Set a = New Plain : b = False : r = a Mod b : Show "New Plain Mod False", r
r = " 3.5 " Mod "True" : Show """ 3.5 "" Mod ""True""", r
a = #12/30/1899# : b = #12/30/1899# : r = a Mod b : Show "#12/30/1899# Mod #12/30/1899#", r
