On Error Resume Next
Dim a, b, r
r = CDbl(12 + "abc" Mod (CCur(-0.5) ^ #1/2/2003#)) : Show "e1", r
r = (((#1/2/2003# >= Null) Imp 2.5) Imp CStr((True Imp 2.5))) : Show "e2", r
r = (-CSng(1.5)) : Show "e3", r
r = (CCur(12.3456) + (-Empty + " 3.5 ")) : Show "e4", r
r = #1/2/2003# Or "12" Mod CCur(12.3456) - -3 > (Not #1/2/2003#) Mod "abc" * 12 : Show "e5", r
r = (-3 * Null + (CCur(12.3456) >= False) Eqv (CByte(7) Eqv (-#1/2/2003#))) : Show "e6", r
