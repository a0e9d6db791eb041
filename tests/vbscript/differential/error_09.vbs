On Error Resume Next
Dim i, c : c = 0
Function Once(n) : If n = 0 Then Once = 1 / 0 Else Once = n < 3
End Function
For i = 1 To 3 Step "x"
  c = c + 1 : WScript.Echo "body " & c & " " & Fmt(i)
  If c >= 3 Then Exit For
Next
WScript.Echo "after: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
WScript.Echo "c=" & c
