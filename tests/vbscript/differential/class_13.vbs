Class Cell
  Private m_v, m_next
  Public Default Property Get V() : V = m_v : End Property
  Public Property Let V(x) : m_v = x : End Property
  Public Property Get NextCell() : Set NextCell = m_next : End Property
  Public Property Set NextCell(c) : Set m_next = c : End Property
End Class
Dim cells(5), i, c, t
For i = 0 To 5
  Set cells(i) = New Cell : cells(i).V = i * i
  If i > 0 Then Set cells(i - 1).NextCell = cells(i)
Next
Set cells(5).NextCell = Nothing
Set c = cells(0) : t = ""
Do Until c Is Nothing : t = t & c & " " : Set c = c.NextCell : Loop
WScript.Echo t
WScript.Echo cells(1) + cells(2) & " " & (cells(5) = 25)
cells(1) = 99 : WScript.Echo TypeName(cells(1)) & " " & cells(1)
