Sub Bump(ByRef x, ByVal y)
  x = x + 1 : y = y + 1
End Sub
Function Twice(x)
  x = x * 2 : Twice = x
End Function
Dim v(3), w(), g(3, 2), k
ReDim w(3)
For k = 0 To 3 : v(k) = k : w(k) = k * 10 : Next
Bump v(3), 0 : Bump w(3), 0 : Bump g(3, 1), 0
Call Twice(v(3)) : Twice w(3 + 0)
Bump v(v(0) + 2), v(3)
WScript.Echo Join(v, ",") & " | " & Join(w, ",") & " | " & g(3, 1)
