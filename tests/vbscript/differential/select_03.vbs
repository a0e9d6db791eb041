Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = ""
Select Case x
  Case "b", "c"
    WScript.Echo "case 1"
  Case Note(3), Note(4)
    WScript.Echo "case 2"
  Case Note(5)
    WScript.Echo "case 3"
  Case 36526
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
