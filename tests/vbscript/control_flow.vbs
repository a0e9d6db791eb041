' If / Select / loops / Exit.
Dim i, j, s, n
' Block If with ElseIf chain.
Function Grade(v)
    If v >= 90 Then
        Grade = "A"
    ElseIf v >= 80 Then
        Grade = "B"
    ElseIf v >= 70 Then Grade = "C"
    Else
        Grade = "F"
    End If
End Function
CheckEq Grade(95), "A", "If branch"
CheckEq Grade(85), "B", "first ElseIf"
CheckEq Grade(75), "C", "ElseIf with statement on the same line"
CheckEq Grade(10), "F", "Else"
' For with Step, counter value after the loop.
s = ""
For i = 1 To 10 Step 3 : s = s & i & ",": Next
CheckEq s, "1,4,7,10,", "For Step"
CheckEq i, 13, "counter after the loop"
s = ""
For i = 5 To 1 Step -2 : s = s & i : Next
CheckEq s, "531", "negative Step"
n = 0
For i = 1 To 0 : n = n + 1 : Next
CheckEq n, 0, "empty range runs nothing"
n = 0
For i = 0.5 To 2 Step 0.5 : n = n + 1 : Next
CheckEq n, 4, "fractional Step"
' Bounds are evaluated once.
Dim limit : limit = 3 : n = 0
For i = 1 To limit : limit = 10 : n = n + 1 : Next
CheckEq n, 3, "limit evaluated once"
' Exit For / Exit Do, nested loops.
n = 0
For i = 1 To 10
    For j = 1 To 10
        If j = 3 Then Exit For
        n = n + 1
    Next
    If i = 4 Then Exit For
Next
CheckEq n, 8, "Exit For leaves only the inner loop"
n = 0
Do
    n = n + 1
    If n = 5 Then Exit Do
Loop
CheckEq n, 5, "Exit Do"
n = 0 : Do While n < 3 : n = n + 1 : Loop
CheckEq n, 3, "Do While"
n = 0 : Do Until n = 4 : n = n + 1 : Loop
CheckEq n, 4, "Do Until"
n = 10 : Do : n = n + 1 : Loop While n < 5
CheckEq n, 11, "Loop While runs at least once"
n = 0 : Do : n = n + 1 : Loop Until n >= 2
CheckEq n, 2, "Loop Until"
n = 0 : While n < 6 : n = n + 2 : Wend
CheckEq n, 6, "While Wend"
' Exit Do inside For inside Do leaves the Do.
n = 0
Do
    For i = 1 To 5
        n = n + 1
        If i = 2 Then Exit Do
    Next
    n = 100
Loop
CheckEq n, 2, "Exit Do through a For"
' Exit Sub / Function.
Sub Early(ByRef r)
    r = 1
    Exit Sub
    r = 2
End Sub
Early n
CheckEq n, 1, "Exit Sub"
Function FirstOver(limitV)
    Dim k
    For k = 1 To 100
        If k * k > limitV Then
            FirstOver = k
            Exit Function
        End If
    Next
    FirstOver = -1
End Function
CheckEq FirstOver(50), 8, "Exit Function keeps the return value"
' Select Case with strings and expressions.
Function Kind(v)
    Select Case LCase(v)
        Case "a", "e", "i", "o", "u"
            Kind = "vowel"
        Case "y"
            Kind = "sometimes"
        Case Else
            Kind = "consonant"
    End Select
End Function
CheckEq Kind("E"), "vowel", "Case list"
CheckEq Kind("y"), "sometimes", "single Case"
CheckEq Kind("z"), "consonant", "Case Else"
Select Case 3
    Case 1 + 1 : s = "two"
    Case 1 + 2 : s = "three"
End Select
CheckEq s, "three", "Case with expressions"
Select Case True
    Case 1 > 2 : s = "no"
    Case 2 > 1 : s = "yes"
End Select
CheckEq s, "yes", "Select Case True idiom"
' For Each over arrays.
s = 0
For Each i In Array(1, 2, 3, 4)
    s = s + i
Next
CheckEq s, 10, "For Each over an array"
' With.
Class Box
    Public W, H
    Public Function Area()
        Area = W * H
    End Function
End Class
Dim b : Set b = New Box
With b
    .W = 3
    .H = 4
    CheckEq .Area(), 12, "With member call"
    CheckEq .Area, 12, "With member without parentheses"
End With
CheckEq b.W, 3, "With assigned the object"
' Stop is ignored, Randomize accepted.
Stop
Randomize 1
n = Rnd()
Check n >= 0 And n < 1, "Rnd in [0, 1)"
' Resumed past an error in a loop or block header, execution goes on into the body.
Function Fails()
    Fails = 1 / 0
End Function
Function ForHeader()
    Dim x, runs
    On Error Resume Next
    x = 6
    For x = Fails() To 100
        runs = runs + 1
    Next
    ForHeader = runs & " " & x & " " & Err.Number
End Function
CheckEq ForHeader(), "1 6 92", "a failing For bound: one pass, the counter untouched, then Next fails"
Function ForEachHeader()
    Dim x, runs
    On Error Resume Next
    For Each x In Empty
        runs = runs + 1
    Next
    ForEachHeader = runs & " " & Err.Number
End Function
CheckEq ForEachHeader(), "1 451", "For Each over Empty: one pass, then not a collection"
Function DoHeader()
    Dim runs
    On Error Resume Next
    Do While Fails()
        runs = runs + 1
        Exit Do
    Loop
    DoHeader = runs & " " & Err.Number
End Function
CheckEq DoHeader(), "1 11", "a failing Do While test enters the body"
Function CaseHeader()
    On Error Resume Next
    Select Case False
        Case True: CaseHeader = "True"
        Case Fails(): CaseHeader = "failing case"
        Case Else: CaseHeader = "Else"
    End Select
End Function
CheckEq CaseHeader(), "failing case", "a failing Case expression runs its block"
Function WithHeader()
    On Error Resume Next
    With Fails()
        WithHeader = "body"
        .Anything = 1
        WithHeader = WithHeader & " " & Err.Number
    End With
End Function
CheckEq WithHeader(), "body 424", "a failing With expression runs the body, which has no object"
CheckErr "With 42 : End With", 424, "With needs an object"
CheckErr "With Empty : End With", 424, "With Empty"
Finish
