Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = True
Select Case x
  Case 1
    WScript.Echo "case 1"
  Case Empty
    WScript.Echo "case 2"
  Case True
    WScript.Echo "case 3"
  Case 36526
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
