' Fannkuch-redux: pancake flips over every permutation, with the checksum.
Function Fannkuch(n, ByRef checksum)
  Dim perm(), perm1(), count(), maxFlips, permCount, r, i, j, k, t, flips, perm0, done
  ReDim perm(n - 1), perm1(n - 1), count(n - 1)
  For i = 0 To n - 1
    perm1(i) = i
  Next
  maxFlips = 0 : permCount = 0 : checksum = 0
  r = n
  done = False
  Do While Not done
    Do While r <> 1
      count(r - 1) = r
      r = r - 1
    Loop
    For i = 0 To n - 1
      perm(i) = perm1(i)
    Next
    flips = 0
    k = perm(0)
    Do While k <> 0
      i = 0 : j = k
      Do While i < j
        t = perm(i) : perm(i) = perm(j) : perm(j) = t
        i = i + 1 : j = j - 1
      Loop
      flips = flips + 1
      k = perm(0)
    Loop
    If flips > maxFlips Then maxFlips = flips
    If permCount Mod 2 = 0 Then
      checksum = checksum + flips
    Else
      checksum = checksum - flips
    End If
    ' Next permutation: rotate the first r+1 elements until a counter is left.
    Do
      If r = n Then
        done = True
        Exit Do
      End If
      perm0 = perm1(0)
      For i = 0 To r - 1
        perm1(i) = perm1(i + 1)
      Next
      perm1(r) = perm0
      count(r) = count(r) - 1
      If count(r) > 0 Then Exit Do
      r = r + 1
    Loop
    permCount = permCount + 1
  Loop
  Fannkuch = maxFlips
End Function

Dim n, checksum, flips
n = 9
flips = Fannkuch(n, checksum)
WScript.Echo checksum
WScript.Echo "Pfannkuchen(" & n & ") = " & flips
