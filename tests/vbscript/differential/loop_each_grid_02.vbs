Dim g(2, 1), i, j, x, t
For i = 0 To 2 : For j = 0 To 1 : g(i, j) = i * 10 + j : Next : Next
For Each x In g : t = t & x & " " : Next
WScript.Echo t
Dim f(4)
f(1) = "one"
t = ""
For Each x In f : t = t & Fmt(x) & "," : Next
WScript.Echo t
