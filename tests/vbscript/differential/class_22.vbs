Class Account
  Private m_balance, m_log
  Public Name
  Private Sub Class_Initialize() : m_balance = 0 : m_log = "" : End Sub
  Public Property Get Balance() : Balance = m_balance : End Property
  Public Property Let Balance(v)
    If v < 0 Then Err.Raise 5, "Account", "negative"
    m_balance = v : m_log = m_log & v & ";"
  End Property
  Public Property Get Log() : Log = m_log : End Property
  Public Function Add(v) : Balance = Balance + v : Set Add = Me : End Function
  Private Function Secret() : Secret = 42 : End Function
End Class
Dim x : Set x = New Account
x.Balance = 3 : WScript.Echo x.Balance
WScript.Echo x.Secret
WScript.Echo "not reached"
