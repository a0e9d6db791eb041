' Empty, Null, Nothing and the less common subtypes.
Dim e, x, o
CheckEq IsEmpty(e), True, "Dim leaves Empty"
e = 0
CheckEq IsEmpty(e), False, "assigned 0 is not Empty"
e = Empty
CheckEq IsEmpty(e), True, "assigning Empty"
CheckEq Len(e), CLng(0), "Len of Empty"
CheckEq UCase(e), "", "string functions see Empty as """""
x = Null
CheckEq IsNull(x), True, "IsNull"
CheckEq IsNull(x + 1), True, "Null arithmetic"
CheckEq UCase(x), Null, "UCase of Null"
CheckErr "y = Chr(Null)", 94, "Null where a number is required"
Set o = Nothing
CheckEq IsObject(o), True, "Nothing is an object"
CheckEq TypeName(o), "Nothing", "TypeName Nothing"
CheckErr "Dim q : Set q = Nothing : y = q + 1", 91, "arithmetic on Nothing"
' Currency keeps four decimals exactly.
Dim c : c = CCur(0.1)
Dim k, sum : sum = CCur(0)
For k = 1 To 10 : sum = sum + c : Next
CheckEq sum, CCur(1), "Currency sums exactly"
CheckEq TypeName(sum * 2), "Currency", "Currency * Integer"
' Dates.
Dim d : d = #2/28/2000#
CheckEq Day(d + 1), 29, "leap day"
CheckEq Month(d + 2), 3, "into March"
CheckEq CStr(DateSerial(2001, 2, 3)), "2/3/2001", "date text"
CheckEq CStr(TimeSerial(13, 5, 0)), "1:05:00 PM", "time text"
CheckEq CDbl(#12/31/1899#), CDbl(1), "day numbering"
CheckEq CDate(0), #12/30/1899#, "date zero"
' Single precision.
CheckEq CStr(CSng(1) / 3), "0.3333333", "Single shows seven digits"
' Byte wraps into Integer on overflow, not silently.
Dim b : b = CByte(250)
CheckEq TypeName(b + 10), "Integer", "Byte overflow promotes"
' Error subtype from a missing argument.
CheckEq TypeName(CVErrLike()), "Empty", "helper without error values"
Function CVErrLike()
End Function
' Boolean text.
CheckEq CStr(1 = 1), "True", "Boolean to text"
CheckEq "x" & (1 = 2), "xFalse", "Boolean concatenation"
' Variables hold any subtype over time.
x = 1 : CheckEq TypeName(x), "Integer", "first Integer"
x = "s" : CheckEq TypeName(x), "String", "then String"
x = Array(1) : CheckEq TypeName(x), "Variant()", "then an array"
Set x = New RegExpLike : CheckEq TypeName(x), "RegExpLike", "then an object"
Class RegExpLike
End Class
' A Single meets a Double at Single precision.
CheckEq CSng(0.001 * 0.001) = 0.000001, True, "Single against Double"
Finish
