On Error Resume Next
Dim a, b, r
r = (Null & -3) : Show "e1", r
r = (True - CStr("abc")) : Show "e2", r
r = ((CLng(#1/2/2003#) \ " 3.5 ") \ 2.5 & #1/2/2003# = (CLng(5) / 0.1)) : Show "e3", r
r = (Not (-" 3.5 ")) And (-CInt(True)) : Show "e4", r
r = CLng(CCur(12.3456)) = " 3.5 " Xor True : Show "e5", r
r = (-CSng(1.5) < CLng(5)) And CLng(5) And CByte(7) Mod Len(Empty) : Show "e6", r
