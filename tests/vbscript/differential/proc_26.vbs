Dim g, h : g = 1 : h = 2
Sub S()
  Dim g : g = "local"
  h = h + 1
  WScript.Echo g & " " & h
End Sub
Function F(h)
  h = h * 10 : F = g + h
End Function
S : S
WScript.Echo g & " " & h & " " & F(h) & " " & h
WScript.Echo F(g) & " " & g
