On Error Resume Next
Dim a, b, r
r = (Not ((#1/2/2003# Eqv " 3.5 ") - (True >= True))) : Show "e1", r
r = CSng(1.5) \ False ^ Null ^ CLng("12") : Show "e2", r
r = "abc" <> 12 ^ #1/2/2003# < (False < (New Valued)) : Show "e3", r
r = (CCur(12.3456) And ((-3 + Empty) \ Empty ^ "12")) : Show "e4", r
r = (CByte(7) = ((CByte(7) Eqv 0.1) \ CSng(1.5))) : Show "e5", r
r = (-("12" Imp Null Imp CStr("12"))) : Show "e6", r
