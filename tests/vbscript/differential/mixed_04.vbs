On Error Resume Next
Dim a, b, r
r = ((CStr(CLng(5)) <= Abs(CCur(12.3456))) \ (Not CLng(5) Mod 2.5)) : Show "e1", r
r = (((CByte(7) Mod 12) \ (Empty ^ 0.1)) > CCur(12.3456) / False) : Show "e2", r
r = ((Not (-" 3.5 ")) = ((-3 Or Null) < "abc" & 40000)) : Show "e3", r
r = (("abc" = " 3.5 ") + CLng(Null) >= #1/2/2003# Eqv CByte(7) \ Len(CCur(-0.5))) : Show "e4", r
r = (("12" * 40000) <> CCur(12.3456)) Mod CLng(5) / CCur(-0.5) < -3 : Show "e5", r
r = (Abs(40000) Imp (-(#1/2/2003# <> -3))) : Show "e6", r
