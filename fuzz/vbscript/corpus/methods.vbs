Class Counter
  Private m_total
  Private Sub Class_Initialize()
    m_total = 0
  End Sub
  Public Sub Add(n)
    m_total = m_total + n
  End Sub
  Public Property Get Total()
    Total = m_total
  End Property
End Class
Dim c, i
Set c = New Counter
For i = 1 To 1000000
  c.Add i
Next
result = c.Total
