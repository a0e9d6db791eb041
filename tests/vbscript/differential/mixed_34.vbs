On Error Resume Next
Dim a, b, r
r = CStr((#1/2/2003# Mod " 3.5 ")) < Len(((New Valued) ^ CCur(12.3456))) : Show "e1", r
r = (Not (0.1 Xor (40000 <> Null))) : Show "e2", r
r = ("abc" <> CDbl((#1/2/2003# ^ CByte(7)))) : Show "e3", r
r = (CDbl(" 3.5 ") - (-"12")) And ((2.5 / CCur(12.3456)) = (CLng(5) <> CLng(5))) : Show "e4", r
r = (Empty <> CCur(12.3456)) Xor CSng(1.5) <= CSng(1.5) And CLng(5) / Empty > CSng(1.5) : Show "e5", r
r = (-3 Imp -3 >= (Not CSng(1.5)) <= CCur(12.3456)) : Show "e6", r
