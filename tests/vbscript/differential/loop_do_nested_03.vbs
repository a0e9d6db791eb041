Dim i, j, t
i = 0
Do While i < 4
  i = i + 1 : j = 0
  Do
    j = j + 1
    If j >= i Then Exit Do
    t = t & i & ":" & j & " "
  Loop
  For j = 1 To 10
    If j > 3 Then Exit For
  Next
  t = t & "(" & j & ") "
Loop
WScript.Echo t
