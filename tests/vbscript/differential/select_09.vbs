Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = CByte(2)
Select Case x
  Case True
    WScript.Echo "case 1"
  Case 0, -1
    WScript.Echo "case 2"
  Case 1
    WScript.Echo "case 3"
  Case "1"
    WScript.Echo "case 4"
  Case Else
    WScript.Echo "else"
End Select
WScript.Echo "done " & Fmt(x)
