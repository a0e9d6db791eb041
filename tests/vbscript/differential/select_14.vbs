Function Note(v) : WScript.Echo "  tried " & v : Note = v : End Function
Dim x : x = #1/1/2000#
Select Case x
  Case 36526
    WScript.Echo "case 1"
  Case Note(5)
    WScript.Echo "case 2"
  Case Empty
    WScript.Echo "case 3"
  Case "1"
    WScript.Echo "case 4"
End Select
WScript.Echo "done " & Fmt(x)
