' On Error Resume Next, the Err object, Err.Raise and propagation.
Dim x, steps
On Error Resume Next
x = 1 / 0
CheckEq Err.Number, CLng(11), "Err.Number after a caught error"
CheckEq Err.Description, "Division by zero", "Err.Description"
Err.Clear
CheckEq Err.Number, CLng(0), "Err.Clear"
' The failing statement is skipped, the next one runs.
steps = ""
x = "a" + 1 : steps = steps & "same line;"
steps = steps & "next;"
CheckEq steps, "same line;next;", "execution resumes at the next statement"
CheckEq Err.Number, CLng(13), "type mismatch number"
Err.Clear
' Err.Raise with custom values.
Err.Raise 1000, "MySource", "My description"
CheckEq Err.Number, CLng(1000), "raised number"
CheckEq Err.Source, "MySource", "raised source"
CheckEq Err.Description, "My description", "raised description"
Err.Raise vbObjectError + 1
CheckEq Err.Number, vbObjectError + 1, "vbObjectError based number"
Err.Clear
Err.Raise 9
CheckEq Err.Description, "Subscript out of range", "Raise of a known number fills the text"
Err.Clear
Err.Raise 12345
CheckEq Err.Description, "Unknown runtime error", "Raise of an unknown number"
' Err is the default member's Number.
Err.Raise 6
CheckEq Err = 6, True, "Err compares by Number"
On Error GoTo 0
CheckEq Err.Number, CLng(0), "On Error GoTo 0 clears Err"

' An error in a procedure without a handler propagates to the caller's handler.
Dim reached
Sub Inner()
    reached = "inner-start"
    Err.Raise 5
    reached = "inner-end"
End Sub
Sub Outer()
    On Error Resume Next
    Inner
    CheckEq reached, "inner-start", "the rest of Inner was skipped"
    CheckEq Err.Number, CLng(5), "the caller sees the callee's error"
End Sub
Outer
' A procedure's handler does not leak into its caller.
Sub Guarded()
    On Error Resume Next
    x = 1 / 0
End Sub
Guarded
CheckErr "x = 1 / 0", 11, "the caller still raises errors"

' An If whose condition fails enters its Then block under Resume Next.
On Error Resume Next
Dim took
took = "none"
If 1 / 0 = 1 Then
    took = "then"
Else
    took = "else"
End If
CheckEq took, "then", "a failing condition falls into the Then block"
On Error GoTo 0

' Classic numbers for common run-time errors.
CheckErr "Dim q : q = Array(1) : y = q(5)", 9, "subscript"
CheckErr "y = CLng(""x"")", 13, "type mismatch"
CheckErr "Option Explicit" & vbCrLf & "undeclaredVar = 1", 500, "Option Explicit"
CheckErr "NoSuchSub 1", 13, "calling an unknown procedure with arguments"
CheckErr "Err.Raise 0", 5, "Raise 0 is an invalid call"
CheckErr "y = Left(""abc"", -1)", 5, "invalid argument"
CheckErr "Dim o : Set o = Nothing : o.Go", 424, "Nothing has no members"
CheckErr "Function F2() : F2 = 1 : End Function : F2 = 3", 501, "assigning to a function name"
CheckErr "y = Mid(""abc"", 0)", 5, "Mid start 0"

' Deep recursion is a catchable "Out of stack space".
Function Down(n)
    Down = Down(n + 1)
End Function
CheckErr "y = Down(1)", 28, "unbounded recursion"
' Err keeps the classic text alone: only the host's message names what failed.
Function DescriptionOf(code)
    On Error Resume Next
    ExecuteGlobal code
    DescriptionOf = Err.Description
End Function
CheckEq DescriptionOf("NoSuchSub 1"), "Type mismatch", "no name after the text"
' A Raise keeps what it does not give from the Raise before, until Err.Clear.
Function RaisedTwice()
    On Error Resume Next
    Err.Raise 1001, "Src", "First", "help.chm", 7
    Err.Raise 1002
    RaisedTwice = Err.Number & "|" & Err.Source & "|" & Err.Description & "|" & Err.HelpFile & "|" & Err.HelpContext
End Function
CheckEq RaisedTwice(), "1002|Src|First|help.chm|7", "a later Raise keeps the earlier fields"
' HRESULTs stand for their classic numbers.
Function RaisedNumber(n)
    On Error Resume Next
    Err.Raise n
    RaisedNumber = Err.Number & " " & Err.Description
End Function
CheckEq RaisedNumber(&h8007000E&), "7 Out of memory", "a system HRESULT"
CheckEq RaisedNumber(&h800A000B&), "11 Division by zero", "the engine's own facility"
CheckEq RaisedNumber(&h10000&), "5 Invalid procedure call or argument", "a number past 16 bits"
' Err.Source: the engine's own errors name it, a Raise keeps what it is given, and it is text.
Function SourceOf(code)
    On Error Resume Next
    ExecuteGlobal code
    SourceOf = Err.Number & " " & TypeName(Err.Source) & " " & Err.Source
End Function
Class Raiser
    Public Sub Go
        Err.Raise 5, "Raiser.Go"
    End Sub
End Class
Sub RaiseFrom(src)
    Err.Raise 6, src
End Sub
CheckEq SourceOf("x = 1 / 0"), "11 String Microsoft VBScript runtime error", "a run-time error"
CheckEq SourceOf("Err.Raise 9"), "9 String Microsoft VBScript runtime error", "a Raise without a source"
CheckEq SourceOf("On Error Goto 1"), "1002 String Microsoft VBScript compilation error", "a syntax error in ExecuteGlobal"
CheckEq SourceOf("Execute ""If x Then"""), "1014 String Microsoft VBScript compilation error", "Execute: the specific error"
CheckEq SourceOf("x = Eval(""1 + * 2"")"), "1002 String Microsoft VBScript compilation error", "Eval: Syntax error"
CheckEq SourceOf("Execute ""Err.Raise 7, """"Mine"""""""), "7 String Mine", "a Raise inside Execute"
CheckEq SourceOf("Set r = New Raiser : r.Go"), "5 String Raiser.Go", "a Raise in a method"
CheckEq SourceOf("Set g = GetRef(""RaiseFrom"") : g ""Ref"""), "6 String Ref", "a Raise through GetRef"
CheckEq SourceOf("RaiseFrom 12"), "6 String 12", "a numeric source becomes text"
CheckEq SourceOf("Err.Source = 3.5 : Err.Raise 1"), "1 String 3.5", "a source assigned is text, and kept by a Raise"
' A conversion's result cannot be dropped by a statement.
Dim conversion
For Each conversion In Array("CByte", "CCur", "CDate", "CDbl", "CInt", "CLng", "CSng", "Sgn")
    CheckErr "Call " & conversion & "(1)", 458, conversion & " as a statement"
Next
Finish
