' Execute, ExecuteGlobal, Eval and dynamic code.
Dim g
g = 1
ExecuteGlobal "g = g + 1"
CheckEq g, 2, "ExecuteGlobal sees globals"
ExecuteGlobal "Function Dyn(x) : Dyn = x * 3 : End Function"
CheckEq Dyn(2), 6, "a function defined by ExecuteGlobal"
CheckEq Eval("Dyn(3) + 1"), 10, "Eval of an expression"
CheckEq Eval("g = 2"), True, "= in Eval compares"
Execute "g = 10"
CheckEq g, 10, "Execute at script level"
Sub LocalScope()
    Dim loc
    loc = 5
    Execute "loc = loc * 2"
    CheckEq loc, 10, "Execute sees the procedure's locals"
    CheckEq Eval("loc + 1"), 11, "Eval sees the procedure's locals"
End Sub
LocalScope
' Code added later can define what earlier code calls.
Function CallLater()
    CallLater = DefinedLater(1)
End Function
ExecuteGlobal "Function DefinedLater(x) : DefinedLater = x + 100 : End Function"
CheckEq CallLater(), 101, "late-bound global procedure"
ExecuteGlobal "Dim lateVar : lateVar = 7"
Function ReadLate()
    ReadLate = lateVar
End Function
CheckEq ReadLate(), 7, "a global declared later is found from a procedure"
' Classes defined dynamically.
ExecuteGlobal "Class DynClass : Public V : End Class"
Dim o : Set o = New DynClass
o.V = 3
CheckEq o.V, 3, "class from ExecuteGlobal"
' Errors inside dynamic code.
CheckErr "Eval(""1 +"")", 1002, "any syntax error in Eval is a plain one"
CheckErr "Execute ""x = 1 / 0""", 11, "run-time error in Execute"
CheckEq ErrOf("ExecuteGlobal ""If"""), CLng(1023), "syntax error in ExecuteGlobal"
' A text that fails while its names are resolved defines nothing, not even the procedure it
' was in the middle of (which would run with its faults unresolved).
CheckErr "ExecuteGlobal ""Sub HalfDone()"" & vbCrLf & ""Exit Do"" & vbCrLf & ""End Sub""", 1039, "Exit Do outside a loop"
CheckErr "Set r = GetRef(""HalfDone"")", 5, "the procedure of a failed text is not defined"
' What Eval and Execute take.
Function EvalFailure(code)
    On Error Resume Next
    EvalFailure = Eval(code)
    EvalFailure = Err.Number & " " & Err.Description & " / " & Err.Source
End Function
CheckEq EvalFailure("1 + "), "1002 Syntax error / Microsoft VBScript compilation error", "Eval of no expression"
CheckErr "Execute 123", 13, "Execute needs text"
CheckEq Eval(Null), Null, "Eval of Null"
CheckEq Eval(Empty), Empty, "Eval of Empty"
CheckEq ErrOf("x = Eval(Empty)"), CLng(0), "Eval of Empty is no syntax error"
' Dim and new names in code run by Execute belong to the procedure's call.
ExecuteGlobal "Option Explicit" & vbCrLf & "Dim dimSeen" & vbCrLf & "Sub DimByExecute()" & vbCrLf & _
    "Execute ""Dim v""" & vbCrLf & "v = 4" & vbCrLf & "Execute ""v = v + 1""" & vbCrLf & "dimSeen = v" & vbCrLf & "End Sub"
CheckEq ErrOf("DimByExecute"), CLng(0), "a variable declared by Execute under Option Explicit"
CheckEq dimSeen, 5, "the procedure and later Executes share it"
Function MadeByExecute()
    Execute "madeHere = 6"
    Execute "madeHere = madeHere + 1"
    MadeByExecute = Eval("madeHere")
End Function
CheckEq MadeByExecute() & " " & IsEmpty(madeHere), "7 True", "a name first assigned by Execute is the call's"
Finish
