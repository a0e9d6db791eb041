' Comparison rules between subtypes.
Dim s10, s9, n, e, x
s10 = "10" : s9 = "9"
CheckEq s10 < s9, True, "strings compare as text"
CheckEq "10" < "9", True, "literal strings compare as text"
CheckEq "abc" < "abd", True, "text order"
CheckEq "a" < "B", False, "binary compare is case-sensitive"
CheckEq "A" = "a", False, "case matters"
CheckEq 10 < 9, False, "numbers compare numerically"
' Number against string: between variables a number sorts first.
n = 5 : x = "5"
CheckEq n = x, False, "number variable vs string variable are different kinds"
CheckEq n < x, True, "a number is less than a string"
' With a literal the other side is converted.
CheckEq n = "5", True, "number variable vs string literal compares as text"
CheckEq x = 5, True, "string variable vs number literal compares as numbers"
CheckEq x < 10, True, "string variable converted for a numeric literal"
CheckErr "y = ""abc"" : z = (y = 5)", 13, "non-numeric string against a number literal"
' String against Boolean: between variables the string is the greater; with a literal on
' either side the Boolean compares as its text.
Dim sTrue, bTrue
sTrue = "True" : bTrue = True
CheckEq sTrue = bTrue, False, "string variable vs Boolean variable are different kinds"
CheckEq sTrue > bTrue, True, "a string is greater than a Boolean"
CheckEq bTrue < sTrue, True, "a Boolean is less than a string"
CheckEq sTrue = True, True, "string variable vs Boolean literal compares as text"
CheckEq "True" = bTrue, True, "string literal vs Boolean variable compares as text"
CheckEq "-1" = bTrue, False, "True is the text True, not -1"
' Empty.
CheckEq e = 0, True, "Empty = 0"
CheckEq e = "", True, "Empty = """""
CheckEq e = False, True, "Empty = False"
CheckEq e < 1, True, "Empty < 1"
' Null.
CheckEq Null = Null, Null, "Null = Null is Null"
CheckEq 1 = Null, Null, "comparison with Null is Null"
CheckEq Null <> 1, Null, "<> with Null is Null"
Dim branch
If Null Then branch = "then" Else branch = "else"
CheckEq branch, "else", "Null in If takes Else"
If Not Null Then branch = "then" Else branch = "else"
CheckEq branch, "else", "Not Null is Null too"
' Booleans and numbers.
CheckEq True = -1, True, "True = -1"
CheckEq False = 0, True, "False = 0"
CheckEq 1.0 = 1, True, "Double = Integer"
CheckEq CLng(3) > CInt(2), True, "Long vs Integer"
CheckEq #1/1/2000# < #1/2/2000#, True, "dates"
' Is compares object identity.
Class Thing
End Class
Dim a, b
Set a = New Thing : Set b = a
CheckEq a Is b, True, "same object"
CheckEq a Is New Thing, False, "different objects"
CheckEq Nothing Is Nothing, True, "Nothing Is Nothing"
Set b = Nothing
CheckEq b Is Nothing, True, "variable set to Nothing"
CheckErr "q = (1 Is 1)", 424, "Is needs objects"
' Select Case uses the same equality.
Dim r
Select Case "5"
    Case 5: r = "num"
    Case Else: r = "other"
End Select
CheckEq r, "num", "Select with literals converts"
Select Case n
    Case 1, 2, 3: r = "low"
    Case 4, 5: r = "mid"
    Case Else: r = "high"
End Select
CheckEq r, "mid", "Case with a list"
Select Case Null
    Case Null: r = "null"
    Case Else: r = "else"
End Select
CheckEq r, "else", "Null never matches"
' A text meets a Boolean as text, without error.
CheckEq "True" = True, True, "a Boolean compares as its text"
CheckEq "-1" = True, False, "-1 is not the text of True"
CheckEq "abc" = -5, False, "a negated number is no literal: text and number differ"
CheckErr "q = Array(1) : y = (q = Null)", 13, "an array compared with Null"
CheckEq ErrOf("Select Case 3 : Case ""test"" : y = 1 : End Select"), CLng(0), "a text Case against a number"
Finish
