Sub QuickSort(a, lo, hi)
  Dim i, j, p, t
  i = lo : j = hi
  p = a((lo + hi) \ 2)
  Do While i <= j
    Do While a(i) < p : i = i + 1 : Loop
    Do While a(j) > p : j = j - 1 : Loop
    If i <= j Then
      t = a(i) : a(i) = a(j) : a(j) = t
      i = i + 1 : j = j - 1
    End If
  Loop
  If lo < j Then QuickSort a, lo, j
  If i < hi Then QuickSort a, i, hi
End Sub
Dim n, arr(), k, seed
n = 100000
ReDim arr(n - 1)
seed = 12345
For k = 0 To n - 1
  seed = (seed * 1103 + 12345) Mod 65536
  arr(k) = seed
Next
QuickSort arr, 0, n - 1
result = arr(0)
