On Error Resume Next
Dim a, b, r
r = " 3.5 " = CInt(2.5) : Show "e1", r
r = CSng(1.5) Eqv CStr(CCur(-0.5)) / (-(New Valued) - "12") : Show "e2", r
r = (-3 < False And CInt(Null)) / (New Valued) : Show "e3", r
r = (Not "12" Imp 12 Imp (CCur(-0.5) * 2.5)) : Show "e4", r
r = (40000 Mod CLng(5) = Null) Xor CStr(" 3.5 ") ^ (True + -3) : Show "e5", r
r = ((CSng(1.5) / 40000 < -3 - True) ^ -3) : Show "e6", r
