On Error Resume Next
Dim a, b, r
r = CLng(5) / 12 : Show "e1", r
r = " 3.5 " Mod (CSng(1.5) Eqv "12") Eqv True And 0.1 : Show "e2", r
r = CDbl(" 3.5 " * 40000 Imp (12 - CCur(12.3456))) : Show "e3", r
r = CByte(7) ^ False <= "12" = False <> True ^ "12" : Show "e4", r
r = (((CLng(5) < "12") ^ (Not " 3.5 ")) <= False) : Show "e5", r
r = (40000 Xor -3) + (2.5 Or " 3.5 ") Imp (CLng(2.5) > (Empty & CByte(7))) : Show "e6", r
