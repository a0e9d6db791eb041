Dim g(1, 3), i, j, x, t
For i = 0 To 1 : For j = 0 To 3 : g(i, j) = i * 10 + j : Next : Next
For Each x In g : t = t & x & " " : Next
WScript.Echo t
Dim f(3)
f(1) = "one"
t = ""
For Each x In f : t = t & Fmt(x) & "," : Next
WScript.Echo t
