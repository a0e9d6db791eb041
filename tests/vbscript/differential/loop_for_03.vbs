Dim i, n, lim
n = 0 : lim = "3"
For i = 2.5 To lim Step -2
  n = n + 1
  WScript.Echo TypeName(i) & " " & i
  lim = lim + 1  ' the end was taken once, before the first pass
  If n > 20 Then Exit For
Next
WScript.Echo "after: " & TypeName(i) & " " & i & " passes " & n
