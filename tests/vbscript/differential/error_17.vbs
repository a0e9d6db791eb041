On Error Resume Next
If CBool("maybe") Then
  WScript.Echo "then"
Else
  WScript.Echo "else"
End If
WScript.Echo "if: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
Select Case CBool("maybe")
  Case 1 : WScript.Echo "one"
  Case Else : WScript.Echo "other"
End Select
WScript.Echo "select: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
