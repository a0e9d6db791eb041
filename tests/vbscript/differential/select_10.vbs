Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = ""
Select Case x
  Case True
    WScript.Echo "case 1"
  Case 1
    WScript.Echo "case 2"
  Case "b", "c"
    WScript.Echo "case 3"
  Case 0, -1
    WScript.Echo "case 4"
End Select
WScript.Echo "done " & Fmt(x)
