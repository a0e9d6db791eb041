Dim i, j, t
t = ""
For i = 5 To 1 Step -1
  For j = 1 To 3
    If j = i Then Exit For
    If (i + j) Mod 3 = 0 Then i = i - 1  ' changing the counter changes the run
    t = t & i & j & " "
  Next
  t = t & "| "
Next
WScript.Echo t
WScript.Echo i & " " & j
