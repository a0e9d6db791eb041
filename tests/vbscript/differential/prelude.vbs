' Included before every program of the corpus: prints values of any kind and
' holds the classes the programs use as operands.
Function Fmt(v)
  Dim i, s
  If IsObject(v) Then
    If v Is Nothing Then Fmt = "Nothing" Else Fmt = "Object " & TypeName(v)
  ElseIf IsArray(v) Then
    s = TypeName(v) & "("
    For i = LBound(v) To UBound(v)
      If i > LBound(v) Then s = s & ", "
      s = s & Fmt(v(i))
    Next
    Fmt = s & ")"
  ElseIf IsNull(v) Then
    Fmt = "Null"
  ElseIf IsEmpty(v) Then
    Fmt = "Empty"
  Else
    Fmt = TypeName(v) & " " & CStr(v)
  End If
End Function

' Shows v, or the error the statement before raised; then clears both, so
' each check starts from an Empty result and no error.
Sub Show(label, ByRef v)
  If Err.Number <> 0 Then
    WScript.Echo label & " => error " & Err.Number
  Else
    WScript.Echo label & " => " & Fmt(v)
  End If
  v = Empty
  Err.Clear
End Sub

Class Valued
  Public Default Property Get Value()
    Value = 7
  End Property
End Class

Class Plain
  Public Tag
End Class
