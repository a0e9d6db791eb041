Dim i, n, lim
n = 0 : lim = 1
For i = 1 To lim Step -3
  n = n + 1
  WScript.Echo TypeName(i) & " " & i
  lim = lim + 1  ' the end was taken once, before the first pass
  If n > 20 Then Exit For
Next
WScript.Echo "after: " & TypeName(i) & " " & i & " passes " & n
