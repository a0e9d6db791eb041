Dim n, lim, t
n = 0 : lim = 0 : t = ""
Do While n < lim
  n = n + 1
  t = t & n
  If n = 1 Then Exit Do
Loop
WScript.Echo n & " [" & t & "]"
