On Error Resume Next
Dim a, b, r
r = ((-3 * (New Valued) - (New Valued) Imp 40000) Xor (CByte(7) <= (CLng(5) \ Null))) : Show "e1", r
r = (Null >= True <= "abc" + 0.1 + Empty) : Show "e2", r
r = CCur(12.3456) >= 2.5 Eqv CLng(5) & CLng(5) : Show "e3", r
r = ((Not 2.5) And ((Empty + 2.5) Xor CCur(-0.5))) : Show "e4", r
r = Len(((Not 2.5) And 12 Eqv CCur(12.3456))) : Show "e5", r
r = (CLng((New Valued) Eqv True) / ((-(New Valued)) \ CStr(Null))) : Show "e6", r
