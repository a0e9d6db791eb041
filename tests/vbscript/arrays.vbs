' Arrays: Dim, ReDim, Preserve, multi-dimensional, value semantics, Erase.
Dim a(3), m(2, 3), d(), i, j, s
CheckEq UBound(a), CLng(3), "UBound"
CheckEq LBound(a), CLng(0), "LBound"
CheckEq IsEmpty(a(0)), True, "elements start Empty"
a(3) = "last"
CheckEq a(3), "last", "element store"
CheckErr "Dim q(2) : q(3) = 1", 9, "index past the end"
CheckErr "Dim q2(2) : x = q2(-1)", 9, "negative index"
CheckErr "Dim q3(2) : x = q3(1, 1)", 9, "wrong number of indices"
CheckErr "Dim q4(2) : ReDim q4(5)", 10, "a fixed array cannot be ReDimmed"
' Multi-dimensional.
For i = 0 To 2
    For j = 0 To 3
        m(i, j) = i * 10 + j
    Next
Next
CheckEq m(2, 3), 23, "2-D element"
CheckEq UBound(m, 1), CLng(2), "UBound of dimension 1"
CheckEq UBound(m, 2), CLng(3), "UBound of dimension 2"
CheckErr "Dim q5(1, 1) : x = UBound(q5, 3)", 9, "UBound of a missing dimension"
' Dynamic arrays.
ReDim d(2)
d(0) = "a" : d(1) = "b" : d(2) = "c"
ReDim Preserve d(4)
CheckEq d(1), "b", "Preserve keeps elements"
CheckEq UBound(d), CLng(4), "Preserve grows"
ReDim Preserve d(1)
CheckEq UBound(d), CLng(1), "Preserve shrinks"
CheckEq d(1), "b", "Preserve keeps the prefix"
ReDim d(1)
CheckEq IsEmpty(d(1)), True, "ReDim without Preserve clears"
Dim g()
ReDim g(1, 2)
g(1, 2) = 5
ReDim Preserve g(1, 4)
CheckEq g(1, 2), 5, "Preserve on the last dimension"
CheckErr "Dim q6() : ReDim q6(1, 1) : ReDim Preserve q6(2, 1)", 9, "Preserve may only change the last dimension"
ReDim r(2)
CheckEq UBound(r), CLng(2), "ReDim declares"
' Assignment copies arrays.
Dim src, dst
src = Array(1, 2, 3)
dst = src
dst(0) = 99
CheckEq src(0), 1, "assignment copies"
CheckEq dst(0), 99, "the copy is independent"
Sub Poke(arrArg)
    arrArg(0) = "poked"
End Sub
Sub PokeByVal(ByVal arrArg)
    arrArg(0) = "byval"
End Sub
Poke src
CheckEq src(0), "poked", "arrays pass ByRef"
PokeByVal src
CheckEq src(0), "poked", "ByVal arrays are copies"
Function MakeArr()
    MakeArr = Array("x", "y")
End Function
CheckEq MakeArr()(1), "y", "indexing a returned array"
CheckEq UBound(MakeArr()), CLng(1), "UBound of a returned array"
' Fixed array copied into a variable becomes dynamic.
Dim fx(1), cp
fx(0) = 1
cp = fx
ReDim Preserve cp(3)
CheckEq UBound(cp), CLng(3), "a copy of a fixed array is resizable"
' Erase.
Dim e(2)
e(1) = 5
Erase e
CheckEq IsEmpty(e(1)), True, "Erase clears a fixed array"
CheckEq UBound(e), CLng(2), "Erase keeps fixed bounds"
ReDim dd(3)
Erase dd
CheckErr "ReDim dd2(3) : Erase dd2 : x = UBound(dd2)", 9, "Erase frees a dynamic array"
' Array() and For Each.
s = ""
For Each i In Array("a", "b", "c")
    s = s & i
Next
CheckEq s, "abc", "For Each"
' For Each over a matrix: the first index varies fastest.
Dim grid(1, 2), gi, gj
For gi = 0 To 1
    For gj = 0 To 2
        grid(gi, gj) = gi & gj
    Next
Next
s = ""
For Each i In grid
    s = s & i & " "
Next
CheckEq s, "00 10 01 11 02 12 ", "For Each visits a matrix column by column"
CheckEq UBound(Array()), CLng(-1), "empty Array()"
Dim nested : nested = Array(Array(1, 2), Array(3, 4))
CheckEq nested(1)(0), 3, "array of arrays"
' A ByRef element locks its array against ReDim.
Dim lk()
ReDim lk(2)
Sub Resize(el)
    ReDim lk(10)
End Sub
CheckErr "Resize lk(1)", 10, "array locked while an element is passed ByRef"
CheckEq UBound(lk), CLng(2), "the locked array was not resized"
' Split / Join round trip.
CheckEq Join(Split("a,b,c", ","), "-"), "a-b-c", "Split and Join"
CheckEq UBound(Split("")), CLng(-1), "Split of an empty string"
' Whole arrays: every element, not only the bounds.
CheckEq Split("a,b,,c", ","), Array("a", "b", "", "c"), "Split keeps empty parts in place"
CheckEq Split("a,b,c", ",", 2), Array("a", "b,c"), "Split with a limit leaves the rest whole"
CheckEq Filter(Array(1, 12, 3), "1"), Array("1", "12"), "Filter gives the matching elements as texts"
Dim pm(), pmWant(1, 3)
ReDim pm(1, 1)
pm(0, 0) = "a" : pm(1, 1) = "d"
ReDim Preserve pm(1, 3)
pmWant(0, 0) = "a" : pmWant(1, 1) = "d"
CheckEq pm, pmWant, "Preserve keeps every element of a matrix in place"
Dim deep, deepCopy, inner
deep = Array(Array(1, 2), "x")
deepCopy = deep
inner = deepCopy(0) : inner(0) = 9 : deepCopy(0) = inner
CheckEq deep, Array(Array(1, 2), "x"), "a copied array of arrays is independent"
' Large arrays fail cleanly.
CheckErr "ReDim huge(1000000000)", 7, "a billion elements is out of memory"
CheckErr "ReDim huge2(-5)", 9, "negative bound"
' LBound / UBound of an object: the bounds of its default value.
Class NoDefault
End Class
Class ArrayDefault
    Public Default Property Get Items()
        Items = Array(1, 2, 3)
    End Property
End Class
CheckErr "Dim nb : Set nb = Nothing : x = UBound(nb)", 91, "UBound of Nothing"
CheckErr "x = LBound(New NoDefault)", 438, "LBound of an object without a default member"
CheckErr "x = UBound(CreateObject(""Scripting.Dictionary""))", 450, "UBound of a Dictionary"
CheckEq ErrOf("boundOfDefault = UBound(New ArrayDefault)"), CLng(0), "UBound of a default array"
CheckEq boundOfDefault, CLng(2), "the bound of the default array"
' Storing into an array held in an array.
Dim outer : outer = Array(Array(1, 2), 5)
CheckEq ErrOf("outer(0)(1) = 9"), CLng(0), "store into a nested array"
CheckEq outer, Array(Array(1, 9), 5), "the inner array changed in place"
CheckErr "outer(1)(0) = 9", 13, "an Integer element holds no array"
CheckErr "Dim fx5(2) : ReDim fx5(""abc"")", 10, "a fixed array refuses before its bounds are read"
Finish
