On Error Resume Next
Dim r, calls
Function Tick(v) : calls = calls + 1 : Tick = v : End Function
r = 2 : calls = 0
r = Tick(1) + 2 / 0 + Tick(2)
WScript.Echo "div: " & Err.Number & " " & Err.Description & " [" & Err.Source & "]" & " r=" & r & " calls=" & calls
Err.Clear : r = Tick("x") * Tick(2) : WScript.Echo Err.Number & " " & Fmt(r)
Err.Clear : r = Array(1, 2)(2) : WScript.Echo Err.Number & " " & Fmt(r)
Err.Clear : r = CInt("20000") : WScript.Echo Err.Number & " " & Fmt(r)
Err.Clear : r = Len(Tick(Nothing)) : WScript.Echo Err.Number & " calls=" & calls
