Dim i, s
s = ""
For i = 1 To 100000
  s = s & "x"
Next
result = Len(s)
