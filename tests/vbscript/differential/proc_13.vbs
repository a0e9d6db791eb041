Sub Bump(ByRef x, ByVal y)
  x = x + 1 : y = y + 1
End Sub
Function Twice(x)
  x = x * 2 : Twice = x
End Function
Class Holder
  Public Field
  Private m
  Public Property Get Prop() : Prop = m : End Property
  Public Property Let Prop(x) : m = x : End Property
  Public Items
End Class
Dim h : Set h = New Holder
h.Field = 3 : h.Prop = 4 : h.Items = Array(1, 2, 3)
Bump h.Field, 0 : Bump h.Prop, 0 : Bump h.Items(1), 0
WScript.Echo h.Field & " " & h.Prop & " " & Join(h.Items, ",")
With h : Bump .Field, 0 : End With
WScript.Echo h.Field
