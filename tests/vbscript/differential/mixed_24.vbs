On Error Resume Next
Dim a, b, r
r = (Not (Not (" 3.5 " >= False))) : Show "e1", r
r = Null + (CCur(12.3456) ^ CCur(-0.5)) And 2.5 Or Empty : Show "e2", r
r = (CCur(-0.5) <= (Not (Empty And CByte(7)))) : Show "e3", r
r = (Abs(CByte(7) <> 0.1) ^ ((#1/2/2003# * True) = (CSng(1.5) <= (New Valued)))) : Show "e4", r
r = ((CLng(12) * Abs(#1/2/2003#)) = (-Empty) > (Not "12")) : Show "e5", r
r = CCur(-0.5) Mod 12 : Show "e6", r
