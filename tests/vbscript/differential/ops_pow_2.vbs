On Error Resume Next
Dim a, b, r
a = #2/29/2000 11:59:59 PM# : b = CCur(0.0001) : r = a ^ b : Show "#2/29/2000 11:59:59 PM# ^ CCur(0.0001)", r
r = "-0" ^ " 3.5 " : Show """-0"" ^ "" 3.5 """, r
a = "1E3" : b = 12 : r = a ^ b : Show """1E3"" ^ 12", r
a = "&H10" : b = CByte(255) : r = a ^ b : Show """&H10"" ^ CByte(255)", r
a = CByte(7) : b = "&H10" : r = a ^ b : Show "CByte(7) ^ ""&H10""", r
a = CByte(255) : b = CCur(12.3456) : r = a ^ b : Show "CByte(255) ^ CCur(12.3456)", r
r = Empty ^ "" : Show "Empty ^ """"", r
r = CDate(1.75) ^ "12" : Show "CDate(1.75) ^ ""12""", r
a = "abc" : b = CInt(32767) : r = a ^ b : Show """abc"" ^ CInt(32767)", r
r = "" ^ CSng(-0.1) : Show """"" ^ CSng(-0.1)", r
