Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = "B"
Select Case x
  Case "B"
    WScript.Echo "case 1"
  Case 2
    WScript.Echo "case 2"
  Case "1"
    WScript.Echo "case 3"
  Case Note(3), Note(4)
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
