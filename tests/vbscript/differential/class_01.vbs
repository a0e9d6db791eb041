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
On Error Resume Next
Dim x : Set x = New Account
x.Name = "acc" : x.Balance = 17 : WScript.Echo Err.Number & " " & x.Balance
Err.Clear : x.Add(-11).Add 7 : WScript.Echo Err.Number & " " & x.Balance
Err.Clear : WScript.Echo x.Secret : WScript.Echo "private: " & Err.Number
Err.Clear : x.Nope = 1 : WScript.Echo "missing: " & Err.Number
WScript.Echo x.Log & " " & TypeName(x) & " " & (x Is x)
