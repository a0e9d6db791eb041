Dim x
On Error Resume Next
x = 1 / 0
WScript.Echo "handled: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
On Error GoTo 0
WScript.Echo "still " & Err.Number
x = CLng("big")
WScript.Echo "not reached"
