On Error Resume Next
Dim a, b, r
a = CInt(-32768) : b = "abc" : r = a Imp b : Show "CInt(-32768) Imp ""abc""", r
a = " 3.5 " : Set b = New Valued : r = a Imp b : Show """ 3.5 "" Imp New Valued", r
a = True : b = 1E+308 : r = a Imp b : Show "True Imp 1E+308", r
a = Empty : b = 0 : r = a Imp b : Show "Empty Imp 0", r
a = CInt(32767) : b = CInt(32767) : r = a Imp b : Show "CInt(32767) Imp CInt(32767)", r
a = 0.1 : Set b = New Plain : r = a Imp b : Show "0.1 Imp New Plain", r
a = 0.1 : b = "True" : r = a Imp b : Show "0.1 Imp ""True""", r
a = 2.5 : Set b = New Valued : r = a Imp b : Show "2.5 Imp New Valued", r
a = True : b = CCur(12.3456) : r = a Imp b : Show "True Imp CCur(12.3456)", r
r = 0.1 Imp "" : Show "0.1 Imp """"", r
