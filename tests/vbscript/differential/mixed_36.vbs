On Error Resume Next
Dim a, b, r
r = CInt(#1/2/2003#) : Show "e1", r
r = (-Abs((CLng(5) > Empty))) : Show "e2", r
r = (Not "abc" < CByte(7)) >= ((New Valued) Mod "abc" And (CCur(12.3456) = #1/2/2003#)) : Show "e3", r
r = ((40000 & CSng(1.5) = 40000) Imp CLng(5)) : Show "e4", r
r = (Not (False > False Xor CByte(7) * CByte(7))) : Show "e5", r
r = (CLng(CCur(12.3456)) = (-(0.1 & Null))) : Show "e6", r
