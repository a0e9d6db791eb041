' Sub / Function, ByRef / ByVal and the parentheses rules.
Dim v, w
Sub AddOne(x)
    x = x + 1
End Sub
Sub AddOneByVal(ByVal x)
    x = x + 1
End Sub
v = 1
AddOne v
CheckEq v, 2, "ByRef is the default"
AddOneByVal v
CheckEq v, 2, "ByVal leaves the caller alone"
AddOne (v)
CheckEq v, 2, "parentheses around a ByRef argument pass a copy"
Call AddOne(v)
CheckEq v, 3, "Call passes ByRef"
Call AddOne((v))
CheckEq v, 3, "Call with extra parentheses passes a copy"
AddOne v + 0
CheckEq v, 3, "an expression is passed by value"
' ByRef array elements and ByRef through two levels.
Dim arr(2)
arr(1) = 10
AddOne arr(1)
CheckEq arr(1), 11, "ByRef array element"
Sub Twice(y)
    AddOne y
    AddOne y
End Sub
v = 0
Twice v
CheckEq v, 2, "ByRef parameter passed on ByRef"
' Functions: return value, recursion, name as variable.
Function Fact(n)
    If n <= 1 Then
        Fact = 1
    Else
        Fact = n * Fact(n - 1)
    End If
End Function
CheckEq Fact(10), CLng(3628800), "recursion"
Function Acc()
    Acc = 1
    Acc = Acc + 1
End Function
CheckEq Acc(), 2, "function name reads the return value"
Function NoAssign()
End Function
CheckEq NoAssign(), Empty, "unassigned return is Empty"
Function Swap(a, b)
    Dim t
    t = a : a = b : b = t
End Function
v = 1 : w = 2
Swap v, w
CheckEq v & w, "21", "a Function called as a statement"
Call Swap(v, w)
CheckEq v & w, "12", "Call on a Function"
' Wrong argument counts.
CheckErr "AddOne", 450, "missing argument"
CheckErr "AddOne 1, 2", 450, "extra argument"
CheckErr "Call Undefined1()", 13, "calling an unknown name"
' Locals are fresh per call; globals are shared.
Dim counter : counter = 0
Function Bump()
    Dim localV
    localV = localV + 1
    counter = counter + 1
    Bump = localV
End Function
Bump : Bump
CheckEq Bump(), 1, "locals start Empty each call"
CheckEq counter, 3, "globals are shared"
' Implicit locals inside procedures do not leak.
Sub MakeImplicit()
    implicitThing = 5
End Sub
MakeImplicit
CheckEq IsEmpty(implicitThing), True, "an undeclared name in a Sub is local"
' Procedures defined after their first use.
CheckEq Later(2), 4, "procedures are hoisted"
Function Later(x)
    Later = x * 2
End Function
' Assigning to a constant.
Const LIMIT = 10
CheckEq LIMIT, 10, "Const value"
Sub AssignLimit()
    LIMIT = 5
End Sub
CheckErr "AssignLimit", 501, "assigning to a Const in its own text"
Const NEG = -5, WORD = "w"
CheckEq NEG & WORD, "-5w", "several Consts"
' GetRef makes a callable object from a procedure name.
Dim ref
Set ref = GetRef("Fact")
CheckEq ref(5), 120, "calling through GetRef"
Set ref = GetRef("addone")
v = 1
ref v
CheckEq v, 1, "arguments through GetRef are values"
CheckErr "Set r2 = GetRef(""NoSuchProc"")", 5, "GetRef of an unknown name"
Finish
