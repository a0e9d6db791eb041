Class Bad
  Private Sub Class_Initialize() : Dim z : z = 1 / 0 : End Sub
End Class
On Error Resume Next
Dim b : Set b = New Bad
WScript.Echo "init: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
WScript.Echo TypeName(b)
