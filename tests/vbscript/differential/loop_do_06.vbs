Dim n, lim, t
n = 0 : lim = 6 : t = ""
Do While n < lim
  n = n + 1
  t = t & n
  If n = 2 Then Exit Do
Loop
WScript.Echo n & " [" & t & "]"
