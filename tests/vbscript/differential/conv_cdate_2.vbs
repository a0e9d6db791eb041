On Error Resume Next
Dim a, b, r
' CDate of each operand
a = #12/30/1899# : r = CDate(a) : Show "#12/30/1899#", r
a = "True" : r = CDate(a) : Show """True""", r
a = CCur(12.3456) : r = CDate(a) : Show "CCur(12.3456)", r
a = CLng(5) : r = CDate(a) : Show "CLng(5)", r
a = Array(1, "x") : r = CDate(a) : Show "Array(1, ""x"")", r
a = 0.1 : r = CDate(a) : Show "0.1", r
a = "&H10" : r = CDate(a) : Show """&H10""", r
a = CCur(-0.5) : r = CDate(a) : Show "CCur(-0.5)", r
Set a = Nothing : r = CDate(a) : Show "Nothing", r
a = -1E+300 : r = CDate(a) : Show "-1E+300", r
a = 2.5 : r = CDate(a) : Show "2.5", r
a = #2/29/2000 11:59:59 PM# : r = CDate(a) : Show "#2/29/2000 11:59:59 PM#", r
a = CCur(922337203685477) : r = CDate(a) : Show "CCur(922337203685477)", r
a = " 3.5 " : r = CDate(a) : Show """ 3.5 """, r
a = 0 : r = CDate(a) : Show "0", r
a = CByte(7) : r = CDate(a) : Show "CByte(7)", r
a = CSng(1.5) : r = CDate(a) : Show "CSng(1.5)", r
a = CByte(255) : r = CDate(a) : Show "CByte(255)", r
a = -3 : r = CDate(a) : Show "-3", r
a = "12" : r = CDate(a) : Show """12""", r
a = CDate(1.75) : r = CDate(a) : Show "CDate(1.75)", r
a = Null : r = CDate(a) : Show "Null", r
a = "1/2/2003" : r = CDate(a) : Show """1/2/2003""", r
