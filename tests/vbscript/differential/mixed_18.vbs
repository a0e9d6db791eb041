On Error Resume Next
Dim a, b, r
r = ((CLng(CCur(-0.5)) ^ (True Or " 3.5 ")) & (Empty & #1/2/2003# Mod CDbl(12))) : Show "e1", r
r = (" 3.5 " <= CDbl((-CByte(7)))) : Show "e2", r
r = (Not ((-True) >= (Not (New Valued)))) : Show "e3", r
r = CLng((-(" 3.5 " ^ Empty))) : Show "e4", r
r = (Not CSng(1.5) > "12") - (((New Valued) >= #1/2/2003#) Eqv Null) : Show "e5", r
r = ((Not 40000 Eqv "abc") > False) : Show "e6", r
