On Error Resume Next
Dim a, b, r
r = (CByte(7) Imp (Empty Or False) >= CCur("12")) : Show "e1", r
r = (Empty ^ CLng(5) = False) - 12 : Show "e2", r
r = (Not (-3 - -3) >= (CSng(1.5) * 2.5)) : Show "e3", r
r = (-"12" * "abc") & CByte(7) >= CSng(1.5) & True : Show "e4", r
r = ((CLng("12") Xor (-3 And CLng(5))) < 2.5 <= -3 Imp CLng(5)) : Show "e5", r
r = " 3.5 " <> CSng(1.5) & Empty : Show "e6", r
