' Integer, Long and Double arithmetic and comparison give the same subtype and value whichever
' way the engine computes them: an expression, `x = a op b` into a local, a global or a field,
' a condition, or the general rules (operands that are objects with a default property).
' Integer results that overflow widen (Integer -> Long -> Double); Double ones raise Overflow.
Dim g_l, g_r, g_x

Function Id(v)
    Id = v
End Function

' Reaches the general rules: the engine reduces the object to its default property first.
Class Boxed
    Private m_v
    Public Default Property Get Value()
        Value = m_v
    End Property
    Public Sub Init(v)
        m_v = v
    End Sub
End Class

Function Box(v)
    Set Box = New Boxed
    Box.Init v
End Function

Class FieldCalc
    Private m_l, m_r, m_x
    Public Function Compute(a, op, b)
        m_l = a
        m_r = b
        Select Case op
            Case "+": m_x = m_l + m_r
            Case "-": m_x = m_l - m_r
            Case "*": m_x = m_l * m_r
        End Select
        Compute = m_x
    End Function
End Class

Function ViaExpression(a, op, b)
    Dim l, r
    l = a
    r = b
    Select Case op
        Case "+": ViaExpression = Id(l + r)
        Case "-": ViaExpression = Id(l - r)
        Case "*": ViaExpression = Id(l * r)
        Case "<": ViaExpression = Id(l < r)
        Case "=": ViaExpression = Id(l = r)
        Case ">=": ViaExpression = Id(l >= r)
    End Select
End Function

Function ViaLocal(a, op, b)
    Dim l, r, x
    l = a
    r = b
    Select Case op
        Case "+": x = l + r
        Case "-": x = l - r
        Case "*": x = l * r
    End Select
    ViaLocal = x
End Function

Function ViaGlobal(a, op, b)
    g_l = a
    g_r = b
    Select Case op
        Case "+": g_x = g_l + g_r
        Case "-": g_x = g_l - g_r
        Case "*": g_x = g_l * g_r
    End Select
    ViaGlobal = g_x
End Function

' The target is also the left operand.
Function ViaSelf(a, op, b)
    Dim l, r
    l = a
    r = b
    Select Case op
        Case "+": l = l + r
        Case "-": l = l - r
        Case "*": l = l * r
    End Select
    ViaSelf = l
End Function

Function ViaCondition(a, op, b)
    Dim l, r
    l = a
    r = b
    ViaCondition = False
    Select Case op
        Case "<": If l < r Then ViaCondition = True
        Case "=": If l = r Then ViaCondition = True
        Case ">=": If l >= r Then ViaCondition = True
    End Select
End Function

Function ViaGeneral(a, op, b)
    Dim l, r, x
    Set l = Box(a)
    Set r = Box(b)
    Select Case op
        Case "+": x = l + r
        Case "-": x = l - r
        Case "*": x = l * r
        Case "<": x = l < r
        Case "=": x = l = r
        Case ">=": x = l >= r
    End Select
    ViaGeneral = x
End Function

Sub CheckArith(a, op, b, expected)
    Dim what, calc
    Set calc = New FieldCalc
    what = Show(a) & " " & op & " " & Show(b)
    CheckEq ViaExpression(a, op, b), expected, what & " as an expression"
    CheckEq ViaLocal(a, op, b), expected, what & " assigned to a local"
    CheckEq ViaGlobal(a, op, b), expected, what & " assigned to a global"
    CheckEq calc.Compute(a, op, b), expected, what & " assigned to a field"
    CheckEq ViaSelf(a, op, b), expected, what & " assigned to its left operand"
    CheckEq ViaGeneral(a, op, b), expected, what & " by the general rules"
End Sub

Sub CheckCompare(a, op, b, expected)
    Dim what
    what = Show(a) & " " & op & " " & Show(b)
    CheckEq ViaExpression(a, op, b), expected, what & " as an expression"
    CheckEq ViaCondition(a, op, b), expected, what & " as a condition"
    CheckEq ViaGeneral(a, op, b), expected, what & " by the general rules"
End Sub

' The overflow a statement can make, spelled out.
Dim a, b, x
a = CInt(32767)
b = CInt(1)
x = a + b
CheckEq TypeName(x), "Long", "Integer + Integer past 32767 assigned"
CheckEq x, CLng(32768), "Integer + Integer past 32767 assigned, value"
CheckEq TypeName(a + b), "Long", "Integer + Integer past 32767 in an expression"
a = CLng(2147483647)
b = CLng(1)
x = a + b
CheckEq TypeName(x), "Double", "Long + Long past 2147483647 assigned"
CheckEq VarType(x), vbDouble, "Long + Long past 2147483647 assigned, VarType"
CheckEq x, CDbl(2147483648), "Long + Long past 2147483647 assigned, value"
CheckEq TypeName(a + b), "Double", "Long + Long past 2147483647 in an expression"

' Integer with Integer stays Integer while it fits.
CheckArith CInt(32766), "+", CInt(1), CInt(32767)
CheckArith CInt(-30000), "*", CInt(1), CInt(-30000)
CheckArith CInt(100), "*", CInt(-300), CInt(-30000)
CheckArith CInt(-32767), "-", CInt(1), CInt(-32768)
' ... and becomes Long past its range, in either direction.
CheckArith CInt(32767), "+", CInt(1), CLng(32768)
CheckArith CInt(-32768), "-", CInt(1), CLng(-32769)
CheckArith CInt(-32768), "+", CInt(-32768), CLng(-65536)
CheckArith CInt(200), "*", CInt(200), CLng(40000)
CheckArith CInt(-200), "*", CInt(200), CLng(-40000)
' A Long operand makes the result Long even when it would fit an Integer.
CheckArith CInt(1), "+", CLng(1), CLng(2)
CheckArith CLng(5), "-", CInt(3), CLng(2)
CheckArith CInt(2), "*", CLng(3), CLng(6)
CheckArith CInt(32767), "+", CLng(1), CLng(32768)
' Long past its range becomes Double, never an error, however far (2^62 is exact).
CheckArith CLng(2147483647), "+", CLng(1), CDbl(2147483648)
CheckArith CLng(-2147483647) - 1, "-", CLng(1), CDbl(-2147483649)
CheckArith CLng(65536), "*", CLng(65536), CDbl(4294967296)
CheckArith CLng(-2147483647) - 1, "*", CLng(-2147483647) - 1, CDbl(4611686018427387904)
CheckArith CInt(32767), "*", CLng(2147483647), CDbl(70366596661249)
' A Double operand makes the result Double.
CheckArith CInt(1), "+", 0.5, 1.5
CheckArith 1.5, "*", CLng(2), CDbl(3)
CheckArith 0.25, "-", 0.5, -0.25
CheckArith 1E+300, "*", CInt(2), 2E+300

' Comparisons across the three types.
CheckCompare CInt(1), "<", 1.5, True
CheckCompare CLng(3), "=", CInt(3), True
CheckCompare CInt(3), "=", 3.0000001, False
CheckCompare CLng(-2147483647) - 1, "<", CInt(-32768), True
CheckCompare 2.5, ">=", CLng(2), True
CheckCompare CInt(-1), ">=", CLng(0), False

' A Double result out of range is an Overflow (6), and the target keeps its value.
Dim big, ten, kept
big = 1E+308
ten = CInt(10)
kept = "before"
On Error Resume Next
kept = big * ten
CheckEq Err.Number, CLng(6), "Double * Integer out of range assigned"
Err.Clear
kept = big + big
CheckEq Err.Number, CLng(6), "Double + Double out of range assigned"
Err.Clear
kept = -big - big
CheckEq Err.Number, CLng(6), "negative Double out of range assigned"
Err.Clear
kept = Id(big * ten)
CheckEq Err.Number, CLng(6), "Double * Integer out of range in an expression"
Err.Clear
On Error GoTo 0
CheckEq kept, "before", "a failed assignment leaves its target alone"

Finish
