On Error Resume Next
If 1 / 0 Then
  WScript.Echo "then"
Else
  WScript.Echo "else"
End If
WScript.Echo "if: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
Select Case 1 / 0
  Case 1 : WScript.Echo "one"
  Case Else : WScript.Echo "other"
End Select
WScript.Echo "select: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
