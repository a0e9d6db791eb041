Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = "B"
Select Case x
  Case Note(3), Note(4)
    WScript.Echo "case 1"
  Case "B"
    WScript.Echo "case 2"
  Case 36526
    WScript.Echo "case 3"
  Case True
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
