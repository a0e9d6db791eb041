On Error Resume Next
Dim a, b, r
r = CInt((Not CByte(7) ^ Null)) : Show "e1", r
r = ((Empty - CCur(-0.5)) Xor (CSng(1.5) + Null)) * -3 Xor #1/2/2003# : Show "e2", r
r = ((CByte(7) And #1/2/2003#) * CLng("12") * (CLng(5) < " 3.5 ") ^ (-Null)) : Show "e3", r
r = (2.5 > False) = (Empty * Null) - "12" : Show "e4", r
r = (Not #1/2/2003#) \ CCur(12.3456) & CLng(5) : Show "e5", r
r = ((CByte(7) <= (Not #1/2/2003#)) < 2.5) : Show "e6", r
