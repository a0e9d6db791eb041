On Error Resume Next
Dim a, b, r
a = CSng(3E+38) : b = CCur(-0.5) : r = a & b : Show "CSng(3E+38) & CCur(-0.5)", r
a = 1E+308 : b = CCur(922337203685477) : r = a & b : Show "1E+308 & CCur(922337203685477)", r
r = Empty & "" : Show "Empty & """"", r
r = -1E+300 & -3 : Show "-1E+300 & -3", r
Set a = New Valued : b = True : r = a & b : Show "New Valued & True", r
r = -3 & "&H10" : Show "-3 & ""&H10""", r
a = " 3.5 " : b = Empty : r = a & b : Show """ 3.5 "" & Empty", r
a = 12 : b = CInt(-32768) : r = a & b : Show "12 & CInt(-32768)", r
a = False : b = #2/29/2000 11:59:59 PM# : r = a & b : Show "False & #2/29/2000 11:59:59 PM#", r
r = CDate(1.75) & CByte(0) : Show "CDate(1.75) & CByte(0)", r
