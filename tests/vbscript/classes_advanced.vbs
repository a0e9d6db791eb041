' Less common class features.
Dim order
order = ""
Class Tracked
    Public Name
    Private Sub Class_Terminate()
        order = order & Name & ";"
    End Sub
End Class
' Objects held in an array are released when the array goes.
Sub FillAndDrop()
    Dim items(2), k
    For k = 0 To 2
        Set items(k) = New Tracked
        items(k).Name = "t" & k
    Next
End Sub
FillAndDrop
CheckEq order, "t0;t1;t2;", "array elements released in order"
' Reassigning a variable releases the previous object at once.
order = ""
Dim holder
Set holder = New Tracked : holder.Name = "first"
Set holder = New Tracked : holder.Name = "second"
CheckEq order, "first;", "the replaced object terminates"
Set holder = Nothing
CheckEq order, "first;second;", "Set Nothing terminates"
' An object referring to itself through a field (a cycle) is not freed early.
Class Selfish
    Public Me2
End Class
Dim s1 : Set s1 = New Selfish
Set s1.Me2 = s1
CheckEq s1.Me2 Is s1, True, "self reference"
Set s1.Me2 = Nothing
' Properties with arguments.
Class Matrix
    Private m_cells(2, 2)
    Public Property Get Cell(r, c)
        Cell = m_cells(r, c)
    End Property
    Public Property Let Cell(r, c, v)
        m_cells(r, c) = v
    End Property
End Class
Dim mx : Set mx = New Matrix
mx.Cell(1, 2) = "x"
CheckEq mx.Cell(1, 2), "x", "Property Let with index arguments"
CheckErr "Dim mm : Set mm = New Matrix : mm.Cell(1) = 2", 450, "wrong argument count for a property"
' Read-only and write-only properties.
Class OneWay
    Private m_v
    Public Property Get ReadOnly() : ReadOnly = 1 : End Property
    Public Property Let WriteOnly(v) : m_v = v : End Property
End Class
Dim ow : Set ow = New OneWay
CheckEq ow.ReadOnly, 1, "read-only property"
ow.WriteOnly = 5
CheckErr "Dim o1 : Set o1 = New OneWay : o1.ReadOnly = 2", 501, "assigning a read-only property"
CheckErr "Dim o2 : Set o2 = New OneWay : y = o2.WriteOnly", 438, "reading a write-only property"
' Exit Property and recursion inside methods.
Class MathUtil
    Public Function Fact(n)
        If n <= 1 Then Fact = 1 : Exit Function
        Fact = n * Fact(n - 1)
    End Function
    Public Property Get Sign(x)
        Sign = 0
        If x = 0 Then Exit Property
        If x > 0 Then Sign = 1 Else Sign = -1
    End Property
End Class
Dim mu : Set mu = New MathUtil
CheckEq mu.Fact(6), 720, "recursive method"
CheckEq mu.Sign(-3), -1, "property with argument"
CheckEq mu.Sign(0), 0, "Exit Property"
' Objects stored in a class field, For Each over an array field.
Class Bag
    Public Items
    Private Sub Class_Initialize()
        Items = Array()
    End Sub
    Public Sub Add(v)
        ReDim Preserve Items(UBound(Items) + 1)
        Items(UBound(Items)) = v
    End Sub
    Public Function Total()
        Dim it
        For Each it In Items
            Total = Total + it
        Next
    End Function
End Class
Dim myBag : Set myBag = New Bag
myBag.Add 3 : myBag.Add 4
CheckEq myBag.Total(), 7, "ReDim Preserve on a field"
CheckEq UBound(myBag.Items), CLng(1), "array field read from outside"
' Class names and member names are case-insensitive.
Dim ci : Set ci = new BAG
ci.ADD 1
CheckEq CI.total, 1, "case-insensitive class and member names"
' A default property that resizes the very array being assigned to.
Dim target
ReDim target(2)
Class Resizer
    Public Default Property Get V()
        ReDim target(50)
        V = "value"
    End Property
End Class
Dim rz : Set rz = New Resizer
target(1) = rz
CheckEq UBound(target), CLng(50), "the default property ran first"
CheckEq target(1), "value", "the store went to the resized array"
' For Each over a script object is not allowed.
CheckErr "Dim fb : Set fb = New Bag : For Each z In fb : Next", 451, "script objects are not collections"
' Duplicate names in a class are compile errors.
CheckErr "Class Dup : Public A : Public A : End Class", 1041, "duplicate field"
CheckErr "Class Dup2 : Sub X() : End Sub : Function X() : End Function : End Class", 1041, "duplicate method"
CheckErr "Class Dup3 : Public Default Function A() : End Function : Public Default Function B() : End Function : End Class", 1052, "two defaults"
CheckErr "Class Dup4 : Sub Class_Initialize(x) : End Sub : End Class", 1053, "Initialize with arguments"
' A plain field takes no parentheses; a Property Let gets an object as it is.
Class Plain
    Public Value
    Public Got
    Public Property Let Target(v)
        Got = TypeName(v)
    End Property
End Class
Class Defaulted
    Public Default Property Get V()
        V = "default"
    End Property
End Class
Dim pl : Set pl = New Plain
pl.Value = 3
CheckErr "y = pl.Value(0)", 438, "indexing a plain field"
CheckErr "y = pl.Value()", 5, "empty parentheses after a plain field"
CheckErr "pl.Value(0) = 1", 438, "assigning through an index of a plain field"
CheckEq pl.Value, 3, "the failed assignment left the field alone"
ExecuteGlobal "Class WithArray : Public Items(2) : End Class"
Dim wa : Set wa = New WithArray
wa.Items(1) = "one"
CheckEq wa.Items(1), "one", "an array field takes an index"
CheckErr "y = wa.Items()", 5, "empty parentheses after an array field"
CheckErr "Nothing(0) = 1", 13, "assigning to an element of Nothing"
CheckErr "Dim notAClass : Set q3 = New notAClass", 506, "New of a variable"
pl.Target = New Defaulted
CheckEq pl.Got, "Defaulted", "Property Let receives the object, not its default value"
CheckErr "Dim q1 : q1 = 5 : q1", 13, "a plain variable alone as a statement"
CheckErr "Option Explicit" & vbCrLf & "Dim q2 : Set q2 = New NoSuchClass", 500, "New of an unknown class under Option Explicit"
' RegExp is the language's own class: a script class of that name does not replace it.
ExecuteGlobal "Class RegExp : Public Mine : End Class"
Dim ownRe : Set ownRe = New RegExp
CheckEq TypeName(ownRe), "IRegExp2", "New RegExp is the built-in one"
Finish
