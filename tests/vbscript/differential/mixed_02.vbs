On Error Resume Next
Dim a, b, r
r = ((CSng(1.5) Imp "abc") Mod CByte(7) <= 12 Mod (-(True + False))) : Show "e1", r
r = ((-2.5 <= False) * #1/2/2003#) : Show "e2", r
r = ((-3 \ 2.5) <= "12" * CSng(1.5)) : Show "e3", r
r = CLng(CCur(-0.5) Eqv CCur(12.3456)) >= (-CLng(5)) * Abs(CSng(1.5)) : Show "e4", r
r = ((" 3.5 " / 0.1) - (0.1 Xor 0.1) <= ((CLng(5) <= False) Xor (Not #1/2/2003#))) : Show "e5", r
r = ((--3 Mod CCur(12.3456)) And -3) : Show "e6", r
