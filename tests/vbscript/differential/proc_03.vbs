Sub Bump(ByRef x, ByVal y)
  x = x + 1 : y = y + 1
End Sub
Function Twice(x)
  x = x * 2 : Twice = x
End Function
Dim a, b
a = 2.5 : b = 10
Call Bump(a, b)
WScript.Echo Fmt(a) & " / " & Fmt(b)
r = Twice(a) : WScript.Echo Fmt(r) & " " & Fmt(a)
r = Twice((a)) : WScript.Echo Fmt(r) & " " & Fmt(a)
