Sub Swap(ByRef o, ByVal p)
  Set o = New Plain : o.Tag = "new" : Set p = Nothing
End Sub
Sub Grow(ByRef arr, ByVal copy)
  ReDim Preserve arr(2) : arr(2) = "end" : copy(0) = "gone"
End Sub
Dim x, y, a, c
Set x = New Plain : x.Tag = "old" : Set y = x
Swap x, y
WScript.Echo x.Tag & " " & y.Tag & " " & (x Is y)
a = Array("a", "b") : c = Array("keep")
Grow a, c
WScript.Echo UBound(a) & " " & a(2) & " " & c(0)
