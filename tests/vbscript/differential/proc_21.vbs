Function Fact(n)
  If n <= 1 Then Fact = 1 : Exit Function
  Fact = n * Fact(n - 1)
End Function
Function Nothing2(n)
  If n > 0 Then Exit Function
  Nothing2 = "set"
End Function
Function Acc(n, ByRef total)
  Acc = 0
  If n = 0 Then Exit Function
  total = total + n : Acc = n + Acc(n - 1, total)
End Function
Dim t : t = 0
WScript.Echo Fact(6) & " " & TypeName(Fact(11))
WScript.Echo Fmt(Nothing2(6)) & " " & Fmt(Nothing2(0))
WScript.Echo Acc(6, t) & " " & t
