Dim g, h : g = 4 : h = 8
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
