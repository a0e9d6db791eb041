' Assertion helper loaded before every test script (vbs --include).
' Check cond, msg           : cond must be True
' CheckEq actual, expected  : same subtype (VarType) and equal value
' CheckErr code, number     : running code (ExecuteGlobal) raises that error number
' Finish                    : prints the summary, exits 1 when anything failed
Dim g_checks, g_failures
g_checks = 0
g_failures = 0

Sub Fail(msg)
    g_failures = g_failures + 1
    WScript.Echo "FAIL: " & msg
End Sub

Sub Check(cond, msg)
    g_checks = g_checks + 1
    If cond Then Exit Sub
    Fail msg
End Sub

Function Show(v)
    If IsObject(v) Then
        If v Is Nothing Then Show = "Nothing" Else Show = "<" & TypeName(v) & ">"
    ElseIf IsArray(v) Then
        Show = "<array>"
    ElseIf IsNull(v) Then
        Show = "Null"
    ElseIf IsEmpty(v) Then
        Show = "Empty"
    Else
        Show = TypeName(v) & " " & CStr(v)
    End If
End Function

Sub CheckEq(actual, expected, msg)
    Dim ok
    g_checks = g_checks + 1
    ok = (VarType(actual) = VarType(expected))
    If ok Then
        If IsObject(actual) Then
            ok = (actual Is expected)
        ElseIf IsNull(actual) Or IsEmpty(actual) Or IsArray(actual) Then
            ok = True
        Else
            ok = (actual = expected)
        End If
    End If
    If Not ok Then Fail msg & ": got " & Show(actual) & ", expected " & Show(expected)
End Sub

Function ErrOf(code)
    On Error Resume Next
    ExecuteGlobal code
    ErrOf = Err.Number
    Err.Clear
End Function

Sub CheckErr(code, number, msg)
    Dim n
    g_checks = g_checks + 1
    n = ErrOf(code)
    If n <> number Then Fail msg & ": error " & n & ", expected " & number & " from: " & code
End Sub

Sub Finish()
    If g_failures > 0 Then
        WScript.Echo g_failures & " of " & g_checks & " checks failed"
        WScript.Quit 1
    End If
    WScript.Echo "ok " & g_checks & " checks"
End Sub
