On Error Resume Next
Err.Raise 424
WScript.Echo "raised: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Raise 424, "src"
WScript.Echo "with source: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Clear
WScript.Echo "cleared: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Err.Number = 424 : Err.Description = "set"
WScript.Echo "assigned: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
Function Quiet() : On Error Resume Next : Quiet = 1 / 0 : End Function
Err.Clear : Dim q : q = Quiet()
WScript.Echo "after quiet: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]"
WScript.Echo Fmt(q)
