Dim n, lim, t
n = 0 : lim = 4 : t = ""
Do
  n = n + 1
  t = t & n
  If n = 3 Then Exit Do
Loop Until n >= lim
WScript.Echo n & " [" & t & "]"
