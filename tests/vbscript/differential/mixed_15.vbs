On Error Resume Next
Dim a, b, r
r = 40000 / -3 + (New Valued) * False >= ((2.5 Imp "12") Imp (False Mod 40000)) : Show "e1", r
r = CByte(7) Xor CSng(1.5) : Show "e2", r
r = CSng(1.5) < (Not (False \ CLng(5))) : Show "e3", r
r = (CCur((#1/2/2003# And CCur(12.3456))) And (CCur(12.3456) <= CCur(-0.5) & (-CCur(-0.5)))) : Show "e4", r
r = (Not -3 ^ "abc" <> (Not 40000)) : Show "e5", r
r = (-(-CSng(1.5)) <> CSng(1.5) / " 3.5 ") : Show "e6", r
