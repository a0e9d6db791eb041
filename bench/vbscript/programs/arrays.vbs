' Arrays: a list grown with ReDim Preserve (doubling its capacity, as scripts
' that build lists do), then 2-D arrays walked with nested loops.
Dim list(), cap, count, i, j, k, v, sum
cap = 16 : count = 0
ReDim list(cap - 1)
v = 1
For i = 1 To 600000
  v = (v * 1103 + 12345) Mod 65536
  If count = cap Then
    cap = cap * 2
    ReDim Preserve list(cap - 1)
  End If
  list(count) = v
  count = count + 1
Next
ReDim Preserve list(count - 1)
sum = 0
For i = 0 To UBound(list)
  sum = sum + list(i)
Next
WScript.Echo "list " & (UBound(list) + 1) & " sum " & sum

' Matrix product of two n-by-n integer matrices.
Dim n, a(), b(), c(), s, trace
n = 110
ReDim a(n - 1, n - 1), b(n - 1, n - 1), c(n - 1, n - 1)
For i = 0 To n - 1
  For j = 0 To n - 1
    a(i, j) = (i * j) Mod 17 - 8
    b(i, j) = (i + 2 * j) Mod 13 - 6
  Next
Next
For i = 0 To n - 1
  For j = 0 To n - 1
    s = 0
    For k = 0 To n - 1
      s = s + a(i, k) * b(k, j)
    Next
    c(i, j) = s
  Next
Next
trace = 0 : sum = 0
For i = 0 To n - 1
  trace = trace + c(i, i)
  For j = 0 To n - 1
    sum = sum + c(i, j)
  Next
Next
WScript.Echo "matrix trace " & trace & " sum " & sum

' Life on a torus, two grids swapped each generation.
Dim w, gen, grid(), nxt(), live, x, y, dx, dy, nb
w = 48
ReDim grid(w - 1, w - 1), nxt(w - 1, w - 1)
For y = 0 To w - 1
  For x = 0 To w - 1
    If ((x * 7 + y * 13) Mod 5) < 2 Then grid(x, y) = 1 Else grid(x, y) = 0
  Next
Next
For gen = 1 To 70
  For y = 0 To w - 1
    For x = 0 To w - 1
      nb = 0
      For dy = -1 To 1
        For dx = -1 To 1
          nb = nb + grid((x + dx + w) Mod w, (y + dy + w) Mod w)
        Next
      Next
      nb = nb - grid(x, y)
      If nb = 3 Or (nb = 2 And grid(x, y) = 1) Then nxt(x, y) = 1 Else nxt(x, y) = 0
    Next
  Next
  For y = 0 To w - 1
    For x = 0 To w - 1
      grid(x, y) = nxt(x, y)
    Next
  Next
Next
live = 0
For y = 0 To w - 1
  For x = 0 To w - 1
    live = live + grid(x, y) * (x + 1)
  Next
Next
WScript.Echo "life " & live
