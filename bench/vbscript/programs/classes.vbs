' Many small objects: Property Get/Let, methods calling properties, new
' instances returned from methods.
Class Account
  Private mBalance, mChanges
  Public Id

  Private Sub Class_Initialize()
    mBalance = 0
    mChanges = 0
  End Sub

  Public Property Get Balance()
    Balance = mBalance
  End Property

  Public Property Let Balance(v)
    mBalance = v
    mChanges = mChanges + 1
  End Property

  Public Property Get Changes()
    Changes = mChanges
  End Property

  Public Sub Deposit(v)
    Balance = mBalance + v
  End Sub

  Public Function Withdraw(v)
    If v <= mBalance Then
      Balance = mBalance - v
      Withdraw = True
    Else
      Withdraw = False
    End If
  End Function
End Class

Class Point
  Private mX, mY

  Public Property Get X()
    X = mX
  End Property

  Public Property Let X(v)
    mX = v
  End Property

  Public Property Get Y()
    Y = mY
  End Property

  Public Property Let Y(v)
    mY = v
  End Property

  Public Function Plus(p)
    Dim r
    Set r = New Point
    r.X = mX + p.X
    r.Y = mY + p.Y
    Set Plus = r
  End Function

  Public Function Dist1(p)
    Dist1 = Abs(mX - p.X) + Abs(mY - p.Y)
  End Function
End Class

Dim accounts(999), i, j, a, b, refused, total, changes, p, q, step, walk
For i = 0 To 999
  Set accounts(i) = New Account
  accounts(i).Id = i
  accounts(i).Deposit 100
Next
refused = 0
For i = 1 To 900000
  Set a = accounts(i Mod 1000)
  Set b = accounts((i * 7) Mod 1000)
  If a.Withdraw(i Mod 150) Then
    b.Deposit i Mod 150
  Else
    refused = refused + 1
  End If
Next
total = 0 : changes = 0
For i = 0 To 999
  total = total + accounts(i).Balance
  changes = changes + accounts(i).Changes
Next
Set p = New Point
p.X = 0 : p.Y = 0
Set step = New Point
walk = 0
For i = 1 To 300000
  step.X = (i Mod 7) - 2
  step.Y = (i Mod 5) - 2
  Set q = p.Plus(step)
  walk = walk + q.Dist1(p)
  Set p = q
Next
WScript.Echo "total " & total & " changes " & changes & " refused " & refused
WScript.Echo "point " & p.X & "," & p.Y & " walk " & walk
