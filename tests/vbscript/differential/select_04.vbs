Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = 1
Select Case x
  Case Empty
    WScript.Echo "case 1"
  Case "b", "c"
    WScript.Echo "case 2"
  Case 2
    WScript.Echo "case 3"
  Case Note(5)
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
