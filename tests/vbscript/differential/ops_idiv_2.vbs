On Error Resume Next
Dim a, b, r
r = False \ False : Show "False \ False", r
a = 12 : b = #2/29/2000 11:59:59 PM# : r = a \ b : Show "12 \ #2/29/2000 11:59:59 PM#", r
r = Array(1, "x") \ False : Show "Array(1, ""x"") \ False", r
r = "True" \ #12/30/1899# : Show """True"" \ #12/30/1899#", r
r = CCur(12.3456) \ CLng(5) : Show "CCur(12.3456) \ CLng(5)", r
r = False \ CSng(1.5) : Show "False \ CSng(1.5)", r
a = False : b = 40000 : r = a \ b : Show "False \ 40000", r
r = CSng(-0.1) \ 2147483647 : Show "CSng(-0.1) \ 2147483647", r
a = #2/29/2000 11:59:59 PM# : Set b = Nothing : r = a \ b : Show "#2/29/2000 11:59:59 PM# \ Nothing", r
r = False \ CByte(0) : Show "False \ CByte(0)", r
