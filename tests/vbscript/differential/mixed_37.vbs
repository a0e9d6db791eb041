On Error Resume Next
Dim a, b, r
r = (CCur((CSng(1.5) \ Null)) Xor (Not -3) * (CCur(12.3456) / "12")) : Show "e1", r
r = ((" 3.5 " < CCur(12.3456)) \ (--3)) >= ((Empty <> CCur(12.3456)) & -3 Xor 40000) : Show "e2", r
r = (-(CByte(7) <= 40000) And CCur(12)) : Show "e3", r
r = (((" 3.5 " Xor CCur(12.3456)) Mod -3 = CCur(12.3456)) ^ (Not 12)) : Show "e4", r
r = (-(Not 12)) = CSng(1.5) : Show "e5", r
r = ((Empty & -3 Xor Len(CCur(-0.5))) \ CInt(CByte(7)) Or False) : Show "e6", r
