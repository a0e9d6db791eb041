On Error Resume Next
Dim a, b, r
' Not of each operand
a = (1 / 3) : r = Not a : Show "(1 / 3)", r
Set a = Nothing : r = Not a : Show "Nothing", r
a = "True" : r = Not a : Show """True""", r
a = CCur(922337203685477) : r = Not a : Show "CCur(922337203685477)", r
a = #1/2/2003# : r = Not a : Show "#1/2/2003#", r
a = CInt(-32768) : r = Not a : Show "CInt(-32768)", r
a = 2147483647 : r = Not a : Show "2147483647", r
a = 0.1 : r = Not a : Show "0.1", r
a = -3 : r = Not a : Show "-3", r
a = #6:30:00 PM# : r = Not a : Show "#6:30:00 PM#", r
a = 12 : r = Not a : Show "12", r
a = #12/30/1899# : r = Not a : Show "#12/30/1899#", r
a = #2/29/2000 11:59:59 PM# : r = Not a : Show "#2/29/2000 11:59:59 PM#", r
a = CDate(1.75) : r = Not a : Show "CDate(1.75)", r
a = "&H10" : r = Not a : Show """&H10""", r
a = "12" : r = Not a : Show """12""", r
a = " 3.5 " : r = Not a : Show """ 3.5 """, r
a = CByte(0) : r = Not a : Show "CByte(0)", r
a = CCur(0.0001) : r = Not a : Show "CCur(0.0001)", r
a = 1E+308 : r = Not a : Show "1E+308", r
a = "-0" : r = Not a : Show """-0""", r
a = Empty : r = Not a : Show "Empty", r
a = 40000 : r = Not a : Show "40000", r
