On Error Resume Next
If Nothing Then
  WScript.Echo "then"
Else
  WScript.Echo "else"
End If
WScript.Echo "if: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
Select Case Nothing
  Case 1 : WScript.Echo "one"
  Case Else : WScript.Echo "other"
End Select
WScript.Echo "select: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
