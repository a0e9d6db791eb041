Dim n, lim, t
n = 0 : lim = 5 : t = ""
Do
  n = n + 1
  t = t & n
  If n = 7 Then Exit Do
Loop While n < lim
WScript.Echo n & " [" & t & "]"
