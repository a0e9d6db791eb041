On Error Resume Next
Dim a, b, r
r = " 3.5 " \ "" : Show """ 3.5 "" \ """"", r
Set a = New Plain : b = 0 : r = a \ b : Show "New Plain \ 0", r
a = #12/30/1899# : b = CInt(-32768) : r = a \ b : Show "#12/30/1899# \ CInt(-32768)", r
r = "12" \ #12/30/1899# : Show """12"" \ #12/30/1899#", r
r = CCur(0.0001) \ CCur(12.3456) : Show "CCur(0.0001) \ CCur(12.3456)", r
r = CSng(-0.1) \ True : Show "CSng(-0.1) \ True", r
a = #12/30/1899# : b = #2/29/2000 11:59:59 PM# : r = a \ b : Show "#12/30/1899# \ #2/29/2000 11:59:59 PM#", r
a = #2/29/2000 11:59:59 PM# : Set b = New Valued : r = a \ b : Show "#2/29/2000 11:59:59 PM# \ New Valued", r
r = CByte(0) \ False : Show "CByte(0) \ False", r
r = CCur(-0.5) \ "" : Show "CCur(-0.5) \ """"", r
