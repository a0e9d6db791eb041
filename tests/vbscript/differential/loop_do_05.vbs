Dim n, lim, t
n = 0 : lim = 6 : t = ""
While n < lim
  n = n + 1
  t = t & n
Wend
WScript.Echo n & " [" & t & "]"
