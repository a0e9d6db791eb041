Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = Null
Select Case x
  Case Null
    WScript.Echo "case 1"
  Case "b", "c"
    WScript.Echo "case 2"
  Case Empty
    WScript.Echo "case 3"
  Case True
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
