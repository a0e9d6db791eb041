Dim z
Sub Inner(k)
  If k = 1 Then Err.Raise 32767, "Inner", "custom 32767"
  If k = 2 Then Err.Raise 32767
  If k = 3 Then z = 1 / 0
  WScript.Echo "inner done " & k
End Sub
Sub Middle(k)
  Inner k
  WScript.Echo "middle done " & k
End Sub
Sub Guarded(k)
  On Error Resume Next
  Middle k
  WScript.Echo "guarded: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
End Sub
Dim k
For k = 0 To 3 : Guarded k : Next
On Error Resume Next
Middle 1 : WScript.Echo "top: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear : Middle 0 : WScript.Echo "cleared: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
