' Spectral norm of an infinite matrix, by power iteration.
Function A(i, j)
  A = 1 / ((i + j) * (i + j + 1) / 2 + i + 1)
End Function

Sub MulAv(n, v, av)
  Dim i, j, s
  For i = 0 To n - 1
    s = 0
    For j = 0 To n - 1
      s = s + A(i, j) * v(j)
    Next
    av(i) = s
  Next
End Sub

Sub MulAtv(n, v, atv)
  Dim i, j, s
  For i = 0 To n - 1
    s = 0
    For j = 0 To n - 1
      s = s + A(j, i) * v(j)
    Next
    atv(i) = s
  Next
End Sub

Sub MulAtAv(n, v, atav, tmp)
  MulAv n, v, tmp
  MulAtv n, tmp, atav
End Sub

Dim n, u(), v(), t(), i, vBv, vv
n = 350
ReDim u(n - 1), v(n - 1), t(n - 1)
For i = 0 To n - 1
  u(i) = 1
Next
For i = 1 To 10
  MulAtAv n, u, v, t
  MulAtAv n, v, u, t
Next
vBv = 0 : vv = 0
For i = 0 To n - 1
  vBv = vBv + u(i) * v(i)
  vv = vv + v(i) * v(i)
Next
WScript.Echo FormatNumber(Sqr(vBv / vv), 9)
