Sub Bump(ByRef x, ByVal y)
  x = x + 1 : y = y + 1
End Sub
Function Twice(x)
  x = x * 2 : Twice = x
End Function
Const LIMIT = 6
Dim i, t
For i = 1 To LIMIT
  t = t & i & " "
  If i Mod 2 = 0 Then Bump i, 0
Next
WScript.Echo t & "/ " & i
Bump LIMIT, 0
WScript.Echo LIMIT
