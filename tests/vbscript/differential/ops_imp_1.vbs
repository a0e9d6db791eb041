On Error Resume Next
Dim a, b, r
r = (1 / 3) Imp "12" : Show "(1 / 3) Imp ""12""", r
a = 2.5 : b = CInt(-32768) : r = a Imp b : Show "2.5 Imp CInt(-32768)", r
a = -3 : b = True : r = a Imp b : Show "-3 Imp True", r
r = "" Imp 2.5 : Show """"" Imp 2.5", r
a = CSng(-0.1) : Set b = New Plain : r = a Imp b : Show "CSng(-0.1) Imp New Plain", r
a = 12 : b = "1/2/2003" : r = a Imp b : Show "12 Imp ""1/2/2003""", r
a = "1E3" : b = "abc" : r = a Imp b : Show """1E3"" Imp ""abc""", r
a = CCur(922337203685477) : b = Empty : r = a Imp b : Show "CCur(922337203685477) Imp Empty", r
a = #12/30/1899# : b = (1 / 3) : r = a Imp b : Show "#12/30/1899# Imp (1 / 3)", r
a = CSng(1.5) : Set b = New Valued : r = a Imp b : Show "CSng(1.5) Imp New Valued", r
