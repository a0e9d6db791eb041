' Assertion helper loaded before every test script (vbs --include).
' Check cond, msg           : cond must be True
' CheckEq actual, expected  : same subtype (VarType) and equal value; arrays must have the same
'                             dimensions and bounds and equal elements by the same rule
'                             (comparing arrays clears Err: read Err before)
' CheckErr code, number     : running code (ExecuteGlobal) raises that error number
' Finish                    : prints the summary, exits 1 when anything failed
' g_quiet = True keeps Fail from printing (tests of the helper itself); g_lastFailure holds the
' last failure message either way.
Dim g_checks, g_failures, g_quiet, g_lastFailure
g_checks = 0
g_failures = 0
g_quiet = False
g_lastFailure = ""

Sub Fail(msg)
    g_failures = g_failures + 1
    g_lastFailure = msg
    If Not g_quiet Then WScript.Echo "FAIL: " & msg
End Sub

Sub Check(cond, msg)
    g_checks = g_checks + 1
    If cond Then Exit Sub
    Fail msg
End Sub

' Number of dimensions of an array; 0 for a dynamic array that was never sized. Only called
' for arrays, and only probes UBound, so the caller's Err is left alone unless a probe fails.
Function DimsOf(a)
    Dim n, u
    n = 0
    On Error Resume Next
    Do
        u = UBound(a, n + 1)
        If Err.Number <> 0 Then Exit Do
        n = n + 1
    Loop
    Err.Clear
    DimsOf = n
End Function

Function BoundsOf(a)
    Dim d, s
    s = ""
    For d = 1 To DimsOf(a)
        If d > 1 Then s = s & ", "
        s = s & LBound(a, d) & " To " & UBound(a, d)
    Next
    BoundsOf = s
End Function

Function Show(v)
    If IsObject(v) Then
        If v Is Nothing Then Show = "Nothing" Else Show = "<" & TypeName(v) & ">"
    ElseIf IsArray(v) Then
        Show = ShowArray(v)
    ElseIf IsNull(v) Then
        Show = "Null"
    ElseIf IsEmpty(v) Then
        Show = "Empty"
    Else
        Show = TypeName(v) & " " & CStr(v)
    End If
End Function

' Element type and bounds, then the first elements in For Each order: "Variant(0 To 2) {...}".
Function ShowArray(v)
    Dim s, x, n
    s = Replace(TypeName(v), "()", "") & "(" & BoundsOf(v) & ")"
    If DimsOf(v) = 0 Then
        ShowArray = s
        Exit Function
    End If
    s = s & " {"
    n = 0
    For Each x In v
        If n = 6 Then
            s = s & ", ..."
            Exit For
        End If
        If n > 0 Then s = s & ", "
        s = s & Show(x)
        n = n + 1
    Next
    ShowArray = s & "}"
End Function

' "" when actual and expected are equal by CheckEq's rule, else what differs.
Function Difference(actual, expected)
    Difference = ""
    If VarType(actual) <> VarType(expected) Then
        Difference = "got " & Show(actual) & ", expected " & Show(expected)
    ElseIf IsObject(actual) Then
        If Not (actual Is expected) Then Difference = "got " & Show(actual) & ", expected " & Show(expected)
    ElseIf IsArray(actual) Then
        Difference = ArrayDifference(actual, expected)
        If Difference <> "" Then
            Difference = Difference & " (got " & Show(actual) & ", expected " & Show(expected) & ")"
        End If
    ElseIf IsNull(actual) Or IsEmpty(actual) Then
        ' same VarType is all there is to compare
    ElseIf actual <> expected Then
        Difference = "got " & Show(actual) & ", expected " & Show(expected)
    End If
End Function

Function ArrayDifference(a, b)
    Dim n, d, subs, last, r, i, where
    ArrayDifference = ""
    n = DimsOf(a)
    If n <> DimsOf(b) Then
        ArrayDifference = n & " dimensions, expected " & DimsOf(b)
        Exit Function
    End If
    For d = 1 To n
        If LBound(a, d) <> LBound(b, d) Or UBound(a, d) <> UBound(b, d) Then
            ArrayDifference = "dimension " & d & " is " & LBound(a, d) & " To " & UBound(a, d) & _
                ", expected " & LBound(b, d) & " To " & UBound(b, d)
            Exit Function
        End If
        If UBound(a, d) < LBound(a, d) Then Exit Function ' no elements
    Next
    If n = 0 Then Exit Function
    ' Walk every subscript combination; the last dimension turns fastest.
    last = n - 1
    ReDim subs(last)
    For d = 0 To last
        subs(d) = LBound(a, d + 1)
    Next
    Do
        Select Case n
            Case 1: r = Difference(a(subs(0)), b(subs(0)))
            Case 2: r = Difference(a(subs(0), subs(1)), b(subs(0), subs(1)))
            Case 3: r = Difference(a(subs(0), subs(1), subs(2)), b(subs(0), subs(1), subs(2)))
            Case Else
                where = Join(subs, ", ")
                r = Eval("Difference(a(" & where & "), b(" & where & "))")
        End Select
        If r <> "" Then
            ArrayDifference = "element (" & Join(subs, ", ") & "): " & r
            Exit Function
        End If
        i = last
        Do
            If i < 0 Then Exit Function
            If subs(i) < UBound(a, i + 1) Then Exit Do
            subs(i) = LBound(a, i + 1)
            i = i - 1
        Loop
        subs(i) = subs(i) + 1
    Loop
End Function

Sub CheckEq(actual, expected, msg)
    Dim r
    g_checks = g_checks + 1
    r = Difference(actual, expected)
    If r <> "" Then Fail msg & ": " & r
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
