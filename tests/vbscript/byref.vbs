' ByRef corners.
Dim v, arr, obj
Sub SetTo(x, value)
    x = value
End Sub
' Fields of Me pass ByRef from inside the class; members of another object pass a copy.
Class Holder
    Public Field
    Public Sub FillOwn()
        SetTo Field, "own"
    End Sub
End Class
Set obj = New Holder
obj.FillOwn
CheckEq obj.Field, "own", "a field passed ByRef from inside the class"
SetTo obj.Field, "outside"
CheckEq obj.Field, "own", "obj.Field is a property access, passed by value"
' Constants and literals cannot be changed through ByRef.
Const K = 1
SetTo K, 5
CheckEq K, 1, "a Const passed ByRef is a copy"
' The For counter passed ByRef.
Dim i, n
n = 0
For i = 1 To 10
    SetTo i, i + 1
    n = n + 1
Next
CheckEq n, 5, "the body changing the counter through ByRef"
' An array passed ByRef can be resized by the callee.
Sub Grow(a)
    ReDim Preserve a(UBound(a) + 2)
End Sub
arr = Array(1, 2)
Grow arr
CheckEq UBound(arr), CLng(3), "ByRef array resized by the callee"
' Function results and parenthesised variables are copies.
Function Ident(x)
    Ident = x
End Function
v = 1
SetTo Ident(v), 9
CheckEq v, 1, "a function result is a temporary"
SetTo (v), 9
CheckEq v, 1, "a parenthesised variable is a temporary"
' The same variable passed twice: both parameters alias it.
Sub Both(a, b)
    a = a + 1
    b = b + 10
End Sub
v = 0
Both v, v
CheckEq v, 11, "both ByRef parameters refer to the same variable"
' Method arguments are ByRef as well.
Class Mutator
    Public Sub Double(x)
        x = x * 2
    End Sub
End Class
Dim m : Set m = New Mutator
v = 4
m.Double v
CheckEq v, 8, "method argument ByRef"
m.Double (v)
CheckEq v, 8, "method argument in parentheses is ByVal"
' ByRef through Execute.
Sub ViaExecute(x)
    Execute "x = ""executed"""
End Sub
ViaExecute v
CheckEq v, "executed", "Execute writes through a ByRef parameter"
' Element of a 2-D array.
Dim grid(1, 1)
SetTo grid(1, 0), "cell"
CheckEq grid(1, 0), "cell", "ByRef 2-D element"
' Two elements of one array, both ByRef: each refers to its own element of the same array.
Sub SwapThem(a, b)
    Dim t : t = a : a = b : b = t
End Sub
Dim pair(1)
pair(0) = "left" : pair(1) = "right"
SwapThem pair(0), pair(1)
CheckEq Join(pair, ","), "right,left", "two elements of one array passed ByRef"
' An element given to a ByVal parameter is a copy taken where the argument stands, and the
' array stays free to resize during the call.
Sub GrowWhile(ByVal x, y)
    ReDim Preserve grown(5)
    x = "changed"
End Sub
Dim grown() : ReDim grown(1)
grown(0) = "kept"
GrowWhile grown(0), 1
CheckEq UBound(grown) & grown(0), "5kept", "ByVal element: the array resizes, the element is unchanged"
Finish
