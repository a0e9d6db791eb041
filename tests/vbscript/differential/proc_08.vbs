Sub Bump(ByRef x, ByVal y)
  x = x + 1 : y = y + 1
End Sub
Function Twice(x)
  x = x * 2 : Twice = x
End Function
Dim v(3), w(), g(3, 2), k
ReDim w(3)
For k = 0 To 3 : v(k) = k : w(k) = k * 10 : Next
Bump v(2), 0 : Bump w(2), 0 : Bump g(2, 0), 0
Call Twice(v(2)) : Twice w(2 + 0)
Bump v(v(0) + 2), v(2)
WScript.Echo Join(v, ",") & " | " & Join(w, ",") & " | " & g(2, 0)
