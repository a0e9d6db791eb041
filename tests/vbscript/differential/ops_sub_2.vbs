On Error Resume Next
Dim a, b, r
a = CSng(-0.1) : b = "True" : r = a - b : Show "CSng(-0.1) - ""True""", r
a = CLng(5) : b = "-0" : r = a - b : Show "CLng(5) - ""-0""", r
a = CLng(5) : b = CDate(1.75) : r = a - b : Show "CLng(5) - CDate(1.75)", r
a = -3 : Set b = Nothing : r = a - b : Show "-3 - Nothing", r
a = #1/2/2003# : b = CInt(-32768) : r = a - b : Show "#1/2/2003# - CInt(-32768)", r
a = 0 : b = CInt(-32768) : r = a - b : Show "0 - CInt(-32768)", r
a = #6:30:00 PM# : b = 40000 : r = a - b : Show "#6:30:00 PM# - 40000", r
r = 40000 - CSng(1.5) : Show "40000 - CSng(1.5)", r
Set a = New Plain : b = 40000 : r = a - b : Show "New Plain - 40000", r
a = -3 : b = False : r = a - b : Show "-3 - False", r
