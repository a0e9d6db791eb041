Class Stack
  Private items(), count
  Private Sub Class_Initialize() : ReDim items(1) : count = 0 : End Sub
  Public Sub Push(v)
    If count > UBound(items) Then ReDim Preserve items(count * 2)
    items(count) = v : count = count + 1
  End Sub
  Public Function Pop() : count = count - 1 : Pop = items(count) : End Function
  Public Property Get Size() : Size = count : End Property
  Public Function Self() : Set Self = Me : End Function
End Class
Dim s, i, t : Set s = New Stack
For i = 1 To 6 : s.Push i * 3 : Next
s.Self.Push "top"
WScript.Echo s.Size & " " & s.Pop & " " & s.Self.Size
Do While s.Size > 0 : t = t & s.Pop & " " : Loop
WScript.Echo t
