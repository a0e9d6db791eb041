' Arithmetic, logical and bitwise operators, precedence.
CheckEq 7 \ 2, 3, "integer division"
CheckEq -7 \ 2, -3, "integer division truncates"
CheckEq 7 Mod 3, 1, "Mod"
CheckEq -7 Mod 3, -1, "Mod keeps the dividend's sign"
CheckEq 5.5 Mod 2, CLng(0), "Mod rounds Double operands to Long (6 Mod 2)"
CheckEq 7.5 \ 2, CLng(4), "\ rounds Double operands to Long (8 \ 2)"
CheckEq 2 ^ 10, CDbl(1024), "power"
CheckEq 2 ^ -1, 0.5, "negative exponent"
CheckEq -2 ^ 2, CDbl(4), "unary minus binds tighter than ^"
CheckEq 2 ^ 3 ^ 2, CDbl(64), "^ is left-associative"
CheckEq 1 + 2 * 3, 7, "* before +"
CheckEq (1 + 2) * 3, 9, "parentheses"
CheckEq 10 - 4 - 3, 3, "- is left-associative"
CheckEq 2 + 3 & 4, "54", "+ before &"
CheckEq 7 Mod 4 \ 2, 1, "\ before Mod"
CheckEq 1 + 1 = 2, True, "arithmetic before comparison"
CheckEq Not 1 = 2, True, "comparison before Not"
CheckEq 10 / 4, 2.5, "division"
CheckErr "x = 1 / 0", 11, "division by zero"
CheckErr "x = 1 \ 0", 11, "integer division by zero"
CheckErr "x = 1 Mod 0", 11, "Mod by zero"
CheckErr "x = 0 / 0", 6, "0 / 0 overflows"
CheckErr "x = 1E+308 * 10", 6, "Double overflow"
CheckErr "x = -1E+308 - 1E+308", 6, "negative Double overflow"
CheckErr "x = 10 ^ 400", 6, "power overflow"
CheckEq -32768 - 1, CLng(-32769), "negative overflow promotes"
CheckEq TypeName(-(-32768)), "Long", "negating the Integer minimum"
' Logical on Booleans, bitwise on numbers.
CheckEq True And False, False, "And"
CheckEq True Or False, True, "Or"
CheckEq True Xor True, False, "Xor"
CheckEq True Eqv True, True, "Eqv"
CheckEq False Imp False, True, "Imp"
CheckEq True Imp False, False, "Imp false case"
CheckEq 12 And 10, 8, "bitwise And"
CheckEq 12 Or 3, 15, "bitwise Or"
CheckEq 12 Xor 10, 6, "bitwise Xor"
CheckEq Not 0, -1, "Not 0"
CheckEq Not 5, -6, "Not is bitwise"
CheckEq TypeName(Not CLng(5)), "Long", "Not keeps Long"
CheckEq 5 Eqv 3, -7, "bitwise Eqv"
CheckEq TypeName(True And 1), "Integer", "Boolean And number is a number"
' Null logic.
CheckEq Null And False, False, "Null And False"
CheckEq Null And True, Null, "Null And True"
CheckEq Null Or True, True, "Null Or True"
CheckEq Null Or False, Null, "Null Or False"
CheckEq False Imp Null, True, "False Imp Null"
CheckEq Null Xor True, Null, "Null Xor"
CheckEq Not Null, Null, "Not Null"
' No short-circuit evaluation.
Dim calls
calls = 0
Function Touch(v)
    calls = calls + 1
    Touch = v
End Function
If Touch(False) And Touch(True) Then calls = calls + 100
CheckEq calls, 2, "And evaluates both sides"
' String concatenation.
CheckEq "a" & 1 & True, "a1True", "& converts"
CheckEq "x" & Empty, "x", "& with Empty"
' Result types of And: Booleans and Bytes keep their type, Integers their width, the rest
' (Empty too) is a Long; a text counts as its number or as True / False.
Function AndTypes(vals)
    Dim a, b
    AndTypes = ""
    For Each a In vals
        For Each b In vals
            AndTypes = AndTypes & Left(TypeName(a And b), 2)
        Next
        AndTypes = AndTypes & " "
    Next
End Function
CheckEq AndTypes(Array(Empty, True, CByte(5), CInt(6), CLng(7), 2.5, "3", "True")), _
    "LoLoLoLoLoLoLoLo LoBoInInLoLoLoBo LoInByInLoLoLoIn LoInInInLoLoLoIn " & _
    "LoLoLoLoLoLoLoLo LoLoLoLoLoLoLoLo LoLoLoLoLoLoLoLo LoBoInInLoLoLoBo ", "And over every kind"
CheckEq Not Empty, CLng(-1), "Not Empty is a Long"
CheckEq Not "#FALSE#", True, "Not of a Boolean text"
CheckEq Empty Eqv Empty, CLng(-1), "Eqv of Empty is a Long"
' With Null, a result the other operand decides on its own is known.
CheckEq CByte(170) Imp Null, CByte(85), "Byte Imp Null keeps the known bits"
CheckEq CByte(255) Imp Null, Null, "Byte Imp Null with no bit known is Null"
CheckEq CByte(0) Imp Null, CByte(255), "Byte Imp Null keeps every bit of Not 0"
CheckEq 5 Imp Null, -6, "Imp Null gives Not of the left side"
CheckEq Null Imp 5, 5, "Null Imp x gives x"
CheckEq Null Or CByte(4), CByte(4), "Null Or a non-zero value gives the value"
CheckEq Empty And Null, CLng(0), "Null And zero is zero"
' Unary plus changes nothing, not even an object.
Class PlusTarget
End Class
Dim plusIn, plusOut
Set plusIn = New PlusTarget
CheckEq ErrOf("Set plusOut = +plusIn"), CLng(0), "unary plus on an object"
CheckEq plusOut Is plusIn, True, "unary plus gives the object itself"
Finish
