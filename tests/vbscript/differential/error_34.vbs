Dim x
On Error Resume Next
x = 1 / 0
WScript.Echo "handled: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
On Error GoTo 0
WScript.Echo "still " & Err.Number
Set x = Nothing : x.Go
WScript.Echo "not reached"
