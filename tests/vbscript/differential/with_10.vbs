Class Box
  Public W, H, Inner
  Public Function Area() : Area = W * H : End Function
End Class
Dim calls : calls = 0
Function Fetch(b) : calls = calls + 1 : Set Fetch = b : End Function
Dim b, boxes(2), i
Set b = New Box : Set b.Inner = New Box
With Fetch(b)
  .W = 5 : .H = .W + 1
  With .Inner
    .W = 10 : .H = 2
    WScript.Echo "inner " & .Area()
  End With
  For i = 1 To 3
    .W = .W + i
    If .W > 6 Then Exit For
  Next
  WScript.Echo "outer " & .Area & " calls " & calls
End With
For i = 0 To 2 : Set boxes(i) = New Box : Next
With boxes(0) : .W = 4 : .H = 5 : End With
For i = 0 To 2 : WScript.Echo i & ": " & Fmt(boxes(i).W) : Next
