On Error Resume Next
Dim a, b, r
r = CLng(Null) = True Imp (--3 / 2.5) : Show "e1", r
r = (CCur((0.1 Imp "12")) And (False = 2.5 & 0.1 = False)) : Show "e2", r
r = CCur(-0.5) / (-40000 <= CLng(5)) : Show "e3", r
r = ((-True) & ("abc" * -3) Eqv (12 > True Imp (40000 ^ "12"))) : Show "e4", r
r = Abs(Empty + Null < 2.5) : Show "e5", r
r = (((2.5 Xor CCur(-0.5)) + 2.5) & (True Eqv 0.1 Imp False)) : Show "e6", r
