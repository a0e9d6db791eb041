Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = 1
Select Case x
  Case Note(5)
    WScript.Echo "case 1"
  Case "B"
    WScript.Echo "case 2"
  Case Empty
    WScript.Echo "case 3"
  Case 0, -1
    WScript.Echo "case 4"
End Select
WScript.Echo "done " & Fmt(x)
