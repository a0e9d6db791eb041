' expect: runtime_error.vbs(5, 5) error: Type mismatch
Dim a
a = 1
If a = 1 Then
    a = "x" * 2
End If
