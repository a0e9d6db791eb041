' Name resolution: locals, globals, class members, built-ins and shadowing.
Dim shared, shadowed
shared = "global"
shadowed = "global"
Sub ShadowIt()
    Dim shadowed
    shadowed = "local"
    shared = "changed"
End Sub
ShadowIt
CheckEq shadowed, "global", "a local hides the global of the same name"
CheckEq shared, "changed", "a global is visible in procedures"
' Class fields hide globals inside the class.
Dim label : label = "global label"
Class Labeled
    Public label
    Public Sub SetIt()
        label = "field"
    End Sub
End Class
Dim lb : Set lb = New Labeled
lb.SetIt
CheckEq lb.label, "field", "the field was assigned"
CheckEq label, "global label", "the global was not"
' A user procedure may take the name of a built-in function.
Function Left(s, n)
    Left = "mine"
End Function
CheckEq Left("abc", 1), "mine", "user functions override built-ins"
' Intrinsic constants cannot be assigned.
CheckErr "vbCrLf = 1", 501, "assigning an intrinsic constant"
' Recursion gets fresh locals at every level.
Function Depth(n)
    Dim mine
    mine = n
    If n > 0 Then Depth = Depth(n - 1)
    Depth = Depth + mine
End Function
CheckEq Depth(4), 10, "locals per activation"
' Public / Private at script level are ordinary globals.
Public pubVar
Private privVar
pubVar = 1 : privVar = 2
CheckEq pubVar + privVar, 3, "Public and Private globals"
' Option Explicit applies to the code it appears in.
CheckErr "Option Explicit" & vbCrLf & "Dim declaredOk" & vbCrLf & "declaredOk = 1" & vbCrLf & "notDeclared = 2", 500, "undeclared name under Option Explicit"
CheckEq ErrOf("Option Explicit" & vbCrLf & "Sub UsesGlobal() : shared = 1 : End Sub" & vbCrLf & "UsesGlobal"), CLng(0), "declared globals are fine under Option Explicit"
CheckErr "Option Explicit" & vbCrLf & "Sub UsesUndeclared() : nope = 1 : End Sub" & vbCrLf & "UsesUndeclared", 500, "undeclared name inside a procedure"
' Dim is hoisted: a variable may be used before its Dim line.
early = 5
Dim early
CheckEq early, 5, "Dim later in the script"
' Dim inside a block still declares for the whole procedure.
Function BlockDim(flag)
    If flag Then
        Dim inner
        inner = "set"
    End If
    BlockDim = IsEmpty(inner)
End Function
CheckEq BlockDim(False), True, "Dim inside If"
CheckErr "Sub Twice() : Dim a : Dim a : End Sub", 1041, "a local declared twice"
' Names are case-insensitive everywhere.
Dim CamelCase : camelcase = 3
CheckEq CAMELCASE, 3, "variables ignore case"
CheckEq depth(1), 1, "procedures ignore case"
' Dim and Const through ExecuteGlobal.
ExecuteGlobal "Const wasConst = 1"
ExecuteGlobal "Dim wasConst"
CheckEq IsEmpty(wasConst), True, "Dim over a Const makes a fresh variable"
CheckEq ErrOf("wasConst = 2"), CLng(0), "which takes assignments"
CheckEq ErrOf("Dim dynTwice()") & " " & ErrOf("Dim dynTwice()"), "0 13", "a second Dim of the same dynamic array"
CheckEq ErrOf("Dim fixedTwice(2)") & " " & ErrOf("Dim fixedTwice(2)"), "0 13", "a second Dim of the same fixed array"
' A Const is fixed in the text that defines it; another text's Dim or assignment makes a new
' variable that every other text sees.
Const fixedHere = 3
Function FixedHereInside()
    FixedHereInside = fixedHere
End Function
ExecuteGlobal "Dim fixedHere"
CheckEq fixedHere, 3, "the defining text still reads its Const after a Dim elsewhere"
CheckEq FixedHereInside(), 3, "so do its procedures"
CheckEq Eval("IsEmpty(fixedHere)"), True, "other texts see the new variable"
Const assignedElsewhere = 4
CheckEq ErrOf("assignedElsewhere = 5"), CLng(0), "assigning another text's Const makes a variable"
CheckEq assignedElsewhere, 4, "the defining text still reads its Const after an assignment elsewhere"
CheckEq Eval("assignedElsewhere"), 5, "other texts read the variable"
CheckErr "Err = 1", 501, "the engine's own names stay fixed"
CheckErr "Const shared = 1", 1041, "a Const over an existing variable"
' A script-level assignment without Dim makes a global that procedures then use; a name a
' procedure assigns first stays its own.
undimmedCounter = 5
Sub BumpUndimmed()
    undimmedCounter = undimmedCounter + 1
    undimmedLocal = 1
End Sub
BumpUndimmed
undimmedText = "a"
Sub AppendUndimmed()
    undimmedText = undimmedText & "b"
End Sub
AppendUndimmed
CheckEq undimmedCounter, 6, "an undimmed global seen by a procedure"
CheckEq undimmedText, "ab", "and assigned through the general path"
CheckEq IsEmpty(undimmedLocal), True, "a procedure's own undimmed name is local"
Finish
