Dim n, lim, t
n = 0 : lim = 1 : t = ""
Do Until n >= lim
  n = n + 1
  t = t & n
  If n = 3 Then Exit Do
Loop
WScript.Echo n & " [" & t & "]"
