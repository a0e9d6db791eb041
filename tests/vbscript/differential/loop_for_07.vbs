Dim i, n, lim
n = 0 : lim = CInt(6)
For i = -2 To lim Step 0.5
  n = n + 1
  WScript.Echo TypeName(i) & " " & i
  lim = lim + 1  ' the end was taken once, before the first pass
  If n > 20 Then Exit For
Next
WScript.Echo "after: " & TypeName(i) & " " & i & " passes " & n
