' Looser forms the classic engine accepts. Game procedures are written against it, and one
' refused form stops every script of the game.
Dim r, s, o

' Number literals: octal without the O, and hex / octal typed by value.
CheckEq &100, 64, "octal without O"
r = 1 + &10
CheckEq r, 9, "octal after an operator"
CheckEq &17&, 15, "octal with the & suffix is an Integer when it fits"
CheckEq &H00000000000000FF, 255, "leading zeros keep an Integer"
CheckEq &hFFFFFFFF&, -1, "32-bit -1 is an Integer"
CheckEq &H8000, CLng(-32768), "-32768 is a Long"
CheckEq &O177777&, CLng(65535), "octal with the & suffix"
CheckErr "r = &19", 1002, "9 in an octal literal"
CheckErr "r = Eval(""&19"")", 1002, "9 in an octal literal under Eval"
Sub Keep(x)
    r = x
End Sub
Keep.5
CheckEq r, 0.5, "a number right after a name is its argument"
CheckErr "r = o.M.5", 1025, "a number after a member"

' Operators: => =< >< and the sign binding tighter than ^.
CheckEq 2 => 2, True, "=> is >="
CheckEq 3 =< 2, False, "=< is <="
CheckEq 1 >< 2, True, ">< is <>"
CheckEq -3 ^ 2, CDbl(9), "-3^2"
CheckEq -2 ^ -2, 0.25, "signs on both sides of ^"
CheckEq -2 ^ 2 * 3, CDbl(12), "signed power then *"

' Line and block boundaries.
Class Chain
    Public n
    Public Function Ret()
        n = n + 1
        Set Ret = Me
    End Function
End Class
Set o = New Chain
o.n = 0
o.Ret() _
    .Ret()
CheckEq o.n, 2, "member chain continued after _"

Sub ElseOnOneLine(c)
    If c Then
        r = 1
    Else r = 3 End If
End Sub
ElseOnOneLine False
CheckEq r, 3, "Else, statement and End If on one line"
If r = 3 Then
    s = "x" End If
CheckEq s, "x", "statement then End If"
Sub HeaderBody() r = 11 End Sub
HeaderBody
CheckEq r, 11, "statement on the Sub line, End Sub after it"
Sub CallThenEnd()
    Call Keep(12)End Sub
CallThenEnd
CheckEq r, 12, "Call f()End Sub"
Class FieldLine
    Public x End Class
Class PropLine
    Public Property Get V()
        V = 7 End Property End Class
Set o = New PropLine
CheckEq o.V, 7, "End Property End Class after a statement"
Set o = New FieldLine
o.x = 1
CheckEq o.x, 1, "Public x End Class"
r = 0
If False Then :
r = 5
CheckEq r, 5, "If ... Then : ends the If at the line break"
Select Case 2
    Case 1  r = 100
    Case 2  r = 200
End Select
CheckEq r, 200, "statement after Case on its line"

' Declarations inside script-level blocks exist from the start.
DefinedInIf
CheckEq r, "in If", "Sub defined in an If block, called before it"
If False Then
    Sub DefinedInIf()
        r = "in If"
    End Sub
    Class ClassInIf
        Public v
    End Class
End If
Set o = New ClassInIf
CheckEq TypeName(o), "ClassInIf", "Class defined in an If block"
Do While False
    Private Function FnInLoop()
        FnInLoop = "in loop"
    End Function
Loop
CheckEq FnInLoop(), "in loop", "Function defined in a loop"

' Calls.
Class Caller
    Public Sub S()
        r = "called"
    End Sub
End Class
Call (New Caller).S()
CheckEq r, "called", "Call (New C).S()"
call (((Keep))) ((21))
CheckEq r, 21, "call (((f))) ((x))"
Function Twice(x)
    Twice = x * 2
End Function
r = (Twice)(4)
CheckEq r, 8, "(f)(x) calls f"
Sub Two(a, b)
    r = a & "|" & b
End Sub
Two ("hello") & "world", 7
CheckEq r, "helloworld|7", "parenthesised first argument joined to more"

' Property and Rem as names.
Class Property
    Public Property Get Property()
        Property = "get"
    End Property
    Public Sub Run()
        Dim Property
        Property = 2
        r = Property
    End Sub
End Class
Set o = New Property
CheckEq o.Property, "get", "Class Property, Property Get Property"
o.Run
CheckEq r, 2, "Dim Property"
Class Note
    Public [rem]
    Public Sub Property()
        r = "sub"
    End Sub
End Class
Set o = New Note
o.Property
CheckEq r, "sub", "Sub Property()"
o.rem = 4
CheckEq o.rem, 4, "o.rem is a member"

' ".x" outside any With fails only when it runs.
Sub NoWith()
    On Error Resume Next
    r = .x
    s = Err.Number
End Sub
NoWith
CheckEq s, CLng(505), ".x outside With is a run-time error"
Finish
