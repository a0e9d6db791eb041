Dim a, x, t, c
a = Split("x,19,,z", ",")
t = "" : c = 0
For Each x In a
  c = c + 1
  t = t & Fmt(x) & "; "
  x = "changed"  ' the element is a copy
  If c = 1 And UBound(a) >= 2 Then a(2) = "late"  ' seen by the loop?
  If c = 6 Then Exit For
Next
WScript.Echo c & ": " & t
WScript.Echo Fmt(a)
WScript.Echo "after: " & Fmt(x)
