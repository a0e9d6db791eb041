On Error Resume Next
Dim i, c : c = 0
Function Once(n) : If n = 0 Then Once = 1 / 0 Else Once = n < 3
End Function
Do Until CInt("x") = 1
  c = c + 1 : WScript.Echo "body " & c & " " & Fmt(i)
  If c >= 3 Then Exit Do
Loop
WScript.Echo "after: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
WScript.Echo "c=" & c
