' Lexical and syntactic forms.
Dim a, b, s
' Case-insensitive keywords and names.
DIM MixedCase : mixedcase = 5 : CheckEq MIXEDCASE, 5, "names ignore case"
a = 1 + _
    2 + _
    3
CheckEq a, 6, "line continuation"
a = 1 : b = 2 : CheckEq a + b, 3, "colon separators"
Rem a Rem comment
a = 7 ' trailing comment
CheckEq a, 7, "comments"
a = 8 : Rem comment after colon
CheckEq a, 8, "Rem after colon"
s = "say ""hi"""
CheckEq s, "say ""hi""", "doubled quotes"
CheckEq Len(s), CLng(8), "doubled quote is one char"
CheckEq &HFF, 255, "hex literal"
CheckEq &HFFFF, -1, "4-digit hex is an Integer"
CheckEq &H10000, 65536, "hex Long"
CheckEq &O17, 15, "octal literal"
Dim other : other = "o"
CheckEq "a"&other, "ao", "& before a name starting with o is concatenation"
CheckEq "a"&1, "a1", "& before a digit is concatenation"
CheckEq &HFFFFFFFF, -1, "hex literals are typed by value"
CheckEq &H7FFFFFFF, CLng(2147483647), "hex Long"
CheckEq TypeName(32767), "Integer", "small literal Integer"
CheckEq TypeName(32768), "Long", "literal over Integer is Long"
CheckEq TypeName(2147483648), "Double", "literal over Long is Double"
CheckEq TypeName(1.5), "Double", "float literal"
CheckEq 1E3, CDbl(1000), "exponent literal"
CheckEq .5, 0.5, "leading dot"
CheckEq TypeName(#1/2/2003#), "Date", "date literal"
CheckEq Year(#1/2/2003#), 2003, "date literal year"
CheckEq Month(#2003-04-05#), 4, "ISO date literal"
CheckEq Hour(#10:30:00 PM#), 22, "time literal"
Dim [my var]
[my var] = 3
CheckEq [my var], 3, "bracketed identifier"
' Single-line If with Else and several statements.
If a = 8 Then b = 1 : s = "y" Else b = 2 : s = "n"
CheckEq b, 1, "single-line If"
CheckEq s, "y", "single-line If second statement"
If a <> 8 Then b = 1 Else b = 2
CheckEq b, 2, "single-line Else"
' Syntax errors carry the classic numbers.
CheckErr "x = (1 + 2", 1006, "missing )"
CheckErr "x = 1 +", 1023, "missing operand"
CheckErr "x = 1 2", 1025, "expected end of statement"
CheckErr "If x Then" & vbCrLf & "y = 1", 1014, "missing End If"
CheckErr "For i = 1 To" , 1023, "For without bound"
CheckErr "For i = 1 2", 1013, "missing To"
CheckErr "Do" & vbCrLf & "x = 1", 1019, "missing Loop"
CheckErr "While True", 1018, "missing Wend"
CheckErr "x = ""abc", 1033, "unterminated string"
CheckErr "x = 1 $ 2", 1032, "invalid character"
CheckErr "Loop", 1038, "loop without do"
CheckErr "Exit Do", 1039, "exit outside loop"
CheckErr "Select Case 1" & vbCrLf & "Case Is > 5" & vbCrLf & "End Select", 1023, "Case Is is not VBScript"
CheckErr "Select Case 1" & vbCrLf & "Case 1 To 5" & vbCrLf & "End Select", 1025, "Case To is not VBScript"
CheckErr "Sub S(a, b)" & vbCrLf & "End Sub" & vbCrLf & "S(1, 2)", 1044, "parentheses on a Sub call"
CheckErr "Const C = x", 1045, "Const needs a literal"
CheckErr "Class C" & vbCrLf & "Public Default x" & vbCrLf & "End Class", 1058, "Default on a variable"
CheckErr "Sub S(a, a)" & vbCrLf & "End Sub", 1041, "duplicate parameter"
CheckErr "x = #99/99/2000#", 1002, "bad date literal"
Finish
