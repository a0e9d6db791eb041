Sub Deep(n)
  If n = 0 Then Err.Raise 440, "deep", "bottom" Else Deep n - 1
End Sub
WScript.Echo "start"
Deep 5
