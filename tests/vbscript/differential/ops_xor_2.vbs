On Error Resume Next
Dim a, b, r
r = " 3.5 " Xor CByte(7) : Show """ 3.5 "" Xor CByte(7)", r
a = CCur(922337203685477) : b = "12" : r = a Xor b : Show "CCur(922337203685477) Xor ""12""", r
a = #2/29/2000 11:59:59 PM# : b = 12 : r = a Xor b : Show "#2/29/2000 11:59:59 PM# Xor 12", r
r = 1E+308 Xor 40000 : Show "1E+308 Xor 40000", r
a = -3 : b = -3 : r = a Xor b : Show "-3 Xor -3", r
a = "12" : b = "-0" : r = a Xor b : Show """12"" Xor ""-0""", r
Set a = Nothing : b = #1/2/2003# : r = a Xor b : Show "Nothing Xor #1/2/2003#", r
r = CLng(-2147483647) Xor Empty : Show "CLng(-2147483647) Xor Empty", r
a = Empty : b = CCur(12.3456) : r = a Xor b : Show "Empty Xor CCur(12.3456)", r
a = 40000 : b = CSng(3E+38) : r = a Xor b : Show "40000 Xor CSng(3E+38)", r
