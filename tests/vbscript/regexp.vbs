' The RegExp object: properties, Test / Execute / Replace, the Matches,
' Match and SubMatches objects, the classic pattern syntax and its errors.

' ---- helpers ---------------------------------------------------------------
Function NewRe(p, ic, g, ml)
    Dim r
    Set r = New RegExp
    r.Pattern = p
    r.IgnoreCase = ic
    r.Global = g
    r.Multiline = ml
    Set NewRe = r
End Function

Function T(p, s)
    T = NewRe(p, False, False, False).Test(s)
End Function

' Every match of a Global search as "index:value" joined by "|".
Function Found(p, s)
    Dim m, out
    out = ""
    For Each m In NewRe(p, False, True, False).Execute(s)
        If out <> "" Then out = out & "|"
        out = out & m.FirstIndex & ":" & m.Value
    Next
    Found = out
End Function

' First match only, as with Global = False.
Function First(p, s)
    Dim ms
    Set ms = NewRe(p, False, False, False).Execute(s)
    If ms.Count = 0 Then First = Null Else First = ms(0).Value
End Function

Function Rep(p, s, r)
    Rep = NewRe(p, False, True, False).Replace(s, r)
End Function

' The error number raised when pattern p is used.
Function PatErr(p)
    Dim r
    Set r = New RegExp
    r.Pattern = p
    On Error Resume Next
    r.Test "abc"
    PatErr = Err.Number
    Err.Clear
End Function

Dim re, ms, m, sm, s, n, i, items

' ---- the documented examples -------------------------------------------------
Set re = NewRe("is.", True, True, False)
Set ms = re.Execute("IS1 is2 IS3 is4")
CheckEq ms.Count, CLng(4), "Execute example: count"
s = ""
For Each m In ms
    s = s & "Match found at position " & m.FirstIndex & ". Match Value is '" & m.Value & "'." & vbCrLf
Next
CheckEq s, "Match found at position 0. Match Value is 'IS1'." & vbCrLf & _
    "Match found at position 4. Match Value is 'is2'." & vbCrLf & _
    "Match found at position 8. Match Value is 'IS3'." & vbCrLf & _
    "Match found at position 12. Match Value is 'is4'." & vbCrLf, "Execute example"
CheckEq re.Test("IS1 is2 IS3 is4"), True, "Test example"

Set re = NewRe("fox", True, False, False)
CheckEq re.Replace("The quick brown fox jumped over the lazy dog.", "cat"), _
    "The quick brown cat jumped over the lazy dog.", "Replace example"
re.Pattern = "(\S+)(\s+)(\S+)"
CheckEq re.Replace("The quick brown fox jumped over the lazy dog.", "$3$2$1"), _
    "quick The brown fox jumped over the lazy dog.", "Replace example with groups"

Set re = NewRe("(\w+)@(\w+)\.(\w+)", False, False, False)
Set m = re.Execute("Please send mail to dragon@xyzzy.com. Thanks!")(0)
CheckEq "" & m, "dragon@xyzzy.com", "SubMatches example: match as default value"
CheckEq m.SubMatches(0), "dragon", "SubMatches example: alias"
CheckEq m.SubMatches(1), "xyzzy", "SubMatches example: organization"
CheckEq m.SubMatches(2), "com", "SubMatches example: domain"

Check T("o{2}", "food") And Not T("o{2}", "Bob"), "o{2}"
CheckEq First("do(es)?", "does"), "does", "optional group"
CheckEq First("zo*", "z"), "z", "star"
CheckEq First("o+?", "oooo"), "o", "lazy plus"
CheckEq First("o+", "oooo"), "oooo", "greedy plus"

' ---- properties ----------------------------------------------------------------
Set re = New RegExp
CheckEq TypeName(re), "IRegExp2", "TypeName RegExp"
CheckEq re.Pattern, "", "Pattern default"
CheckEq re.IgnoreCase, False, "IgnoreCase default"
CheckEq re.Global, False, "Global default"
CheckEq re.Multiline, False, "Multiline default"
re.Pattern = 123
CheckEq re.Pattern, "123", "Pattern converts to String"
re.IgnoreCase = 1
CheckEq re.IgnoreCase, True, "IgnoreCase converts to Boolean"
re.Global = "True"
CheckEq re.Global, True, "Global from a string"
re.Multiline = True
re.Multiline = False
CheckEq re.Multiline, False, "Multiline put back"
Set re = CreateObject("VBScript.RegExp")
CheckEq TypeName(re), "IRegExp2", "CreateObject VBScript.RegExp"
CheckEq re.Test("anything"), True, "empty pattern matches"
CheckErr "Set re = New RegExp : re.Nope = 1", 438, "unknown member"
CheckErr "Set re = New RegExp : re.Test", 450, "Test without argument"
CheckErr "Set re = New RegExp : x = re.Replace(""a"")", 450, "Replace with one argument"
CheckErr "Set re = New RegExp : re.IgnoreCase = ""maybe""", 13, "IgnoreCase from a non-Boolean string"

' ---- Global, Test, Execute -----------------------------------------------------------
Set re = NewRe("a\d", False, False, False)
CheckEq re.Execute("a1 a2 a3").Count, CLng(1), "without Global one match"
CheckEq re.Replace("a1 a2 a3", "x"), "x a2 a3", "without Global first replaced"
re.Global = True
CheckEq re.Execute("a1 a2 a3").Count, CLng(3), "Global finds all"
CheckEq re.Replace("a1 a2 a3", "x"), "x x x", "Global replaces all"
CheckEq re.Test("b"), False, "Test false"
CheckEq re.Execute("none").Count, CLng(0), "no match: empty collection"
CheckEq re.Replace("none", "x"), "none", "no match: text unchanged"
CheckEq re.Replace("", "x"), "", "empty subject"
CheckEq re.Test(Empty), False, "Empty subject is the empty string"
CheckEq NewRe("1", False, False, False).Test(21), True, "numbers are searched as text"
CheckEq NewRe("b", False, False, False).Replace("abc", True), "a-1c", "a Boolean replacement is its number"

' ---- Matches, Match, SubMatches -----------------------------------------------------------
Set ms = NewRe("(\d)(x)?", False, True, False).Execute("1x 2 3x")
CheckEq TypeName(ms), "IMatchCollection2", "TypeName Matches"
CheckEq ms.Count, CLng(3), "Matches.Count"
Set m = ms.Item(1)
CheckEq TypeName(m), "IMatch2", "TypeName Match"
CheckEq m.Value, "2", "Match.Value"
CheckEq m.FirstIndex, CLng(3), "Match.FirstIndex is 0-based"
CheckEq m.Length, CLng(1), "Match.Length"
CheckEq ms(2).FirstIndex, CLng(5), "Item is the default member"
Check ms(1) Is ms.Item(1), "the same item is the same object"
Set sm = m.SubMatches
CheckEq TypeName(sm), "ISubMatches", "TypeName SubMatches"
CheckEq sm.Count, CLng(2), "SubMatches.Count"
CheckEq sm.Item(0), "2", "SubMatches.Item"
CheckEq sm(1), Empty, "a group that took no part is Empty"
CheckEq ms(0).SubMatches(1), "x", "a group that took part"
items = ""
For Each s In ms(0).SubMatches
    items = items & "[" & s & "]"
Next
CheckEq items, "[1][x]", "For Each over SubMatches"
n = 0
For Each m In ms
    n = n + m.Length
Next
CheckEq n, CLng(5), "For Each over Matches"
CheckEq NewRe("a", False, False, False).Execute("a")(0).SubMatches.Count, CLng(0), "no groups: no SubMatches"
CheckErr "Set ms = New RegExp : Set ms = ms.Execute(""a"") : x = ms(1)", 5, "Matches index past the end"
CheckErr "Set ms = New RegExp : Set ms = ms.Execute(""a"") : x = ms(-1)", 5, "negative Matches index"
CheckErr "Set ms = New RegExp : Set ms = ms.Execute(""a"") : ms(0).SubMatches(0) = 1", 438, "SubMatches are read-only"
CheckErr "Set ms = New RegExp : Set ms = ms.Execute(""a"") : ms.Count = 3", 438, "Count is read-only"
CheckErr "Set ms = New RegExp : Set ms = ms.Execute(""a"") : x = ms(0).SubMatches(0)", 5, "SubMatches index past the end"

' Results stay with their search when the pattern changes.
Set re = NewRe("b+", False, True, False)
Set ms = re.Execute("abbc")
re.Pattern = "c"
CheckEq ms(0).Value, "bb", "Matches outlive a pattern change"
CheckEq re.Execute("abbc")(0).Value, "c", "new pattern used"

' ---- empty matches -------------------------------------------------------------------
CheckEq Found("x*", "abc"), "0:|1:|2:|3:", "empty matches advance by one"
CheckEq Rep("x*", "abc", "-"), "-a-b-c-", "Replace with empty matches"
CheckEq Rep("x*", "abc", ""), "abc", "Replace empty matches by nothing"
CheckEq Rep("b*", "abc", "-"), "-a--c-", "empty match right after a match"
CheckEq Rep("", "ab", "-"), "-a-b-", "empty pattern"
CheckEq Found("\b", "ab cd"), "0:|2:|3:|5:", "word boundaries"
CheckEq NewRe("x*", False, False, False).Replace("abc", "-"), "-abc", "empty match without Global"

' ---- replacement tokens ------------------------------------------------------------------
CheckEq Rep("(b)(c)", "abcd", "[$2$1]"), "a[cb]d", "$1 $2"
CheckEq Rep("b", "abc", "[$&]"), "a[b]c", "$&"
CheckEq Rep("b", "abc", "[$`]"), "a[a]c", "$`"
CheckEq Rep("b", "abc", "[$']"), "a[c]c", "$'"
CheckEq Rep("b", "abc", "[$$]"), "a[$]c", "$$"
CheckEq Rep("b", "abc", "$"), "a$c", "lone $ at the end"
CheckEq Rep("b", "abc", "$x$"), "a$x$c", "$ before another character"
CheckEq Rep("b", "abc", "$0"), "a$0c", "$0 is literal"
CheckEq Rep("b", "abc", "$1"), "a$1c", "$1 without groups is literal"
CheckEq Rep("(b)", "abc", "$10"), "ab0c", "$10 with one group is $1 then 0"
CheckEq Rep("(b)", "abc", "$01"), "abc", "$01"
CheckEq Rep("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij", "$10$9"), "ji", "$10 with ten groups"
CheckEq Rep("(x)?b", "abc", "[$1]"), "a[]c", "group that took no part gives nothing"
CheckEq Rep("a", "aaa", "$&$&"), "aaaaaa", "replacement longer than the match"

' ---- IgnoreCase -------------------------------------------------------------------------------
CheckEq NewRe("abc", True, False, False).Test("xABCx"), True, "IgnoreCase ASCII"
CheckEq NewRe("abc", False, False, False).Test("xABCx"), False, "case matters by default"
CheckEq NewRe(ChrW(233), True, False, False).Test(ChrW(201)), True, "IgnoreCase beyond ASCII"
CheckEq NewRe("[a-c]+", True, False, False).Execute("xAbCx")(0).Value, "AbC", "IgnoreCase in a class"
CheckEq NewRe("(a)\1", True, False, False).Test("aA"), True, "IgnoreCase back-reference"
CheckEq NewRe("\w", True, False, False).Test(ChrW(&H212A)), False, "\w stays ASCII with IgnoreCase"
CheckEq NewRe("[\W]", True, False, False).Test("k"), False, "[\W] excludes letters with IgnoreCase"
CheckEq NewRe("[^\Wk]", True, False, False).Execute("Kx")(0).Value, "x", "negated class mixing letters and \W"
CheckEq NewRe("\bcat\b", True, True, False).Execute("Concatenate CAT")(0).FirstIndex, CLng(12), "\b with IgnoreCase"

' ---- Multiline ^ and $ ------------------------------------------------------------------------
s = "one" & vbLf & "two" & vbCr & "three"
CheckEq NewRe("^two", False, False, False).Test(s), False, "^ without Multiline: start only"
CheckEq NewRe("^two", False, False, True).Test(s), True, "^ after \n with Multiline"
CheckEq NewRe("^three", False, False, True).Test(s), True, "^ after \r with Multiline"
CheckEq NewRe("one$", False, False, False).Test(s), False, "$ without Multiline: end only"
CheckEq NewRe("one$", False, False, True).Test(s), True, "$ before \n with Multiline"
CheckEq NewRe("two$", False, False, True).Test(s), True, "$ before \r with Multiline"
CheckEq NewRe("a$", False, False, False).Test("a" & vbLf), False, "$ is the very end, not before a final \n"
CheckEq NewRe("^\w", False, True, True).Execute("ab" & vbLf & "cd" & vbCrLf & "ef").Count, CLng(3), "Global Multiline ^"
CheckEq NewRe("\w$", False, True, True).Execute("ab" & vbLf & "cd" & vbCrLf & "ef").Count, CLng(3), "Global Multiline $"
CheckEq NewRe("^", False, True, False).Execute("a" & vbLf & "b").Count, CLng(1), "Global ^ without Multiline"

' ---- the classic syntax -------------------------------------------------------------------------
Check T("a.c", "a" & vbCr & "c"), ". matches \r"
Check Not T("a.c", "a" & vbLf & "c"), ". does not match \n"
Check T("^\d{2}-\d{5}$", "12-34567") And Not T("^\d{2}-\d{5}$", "12-3456"), "\d and {n}"
CheckEq First("\s+", "a " & vbTab & vbCr & vbLf & Chr(11) & Chr(12) & "b"), " " & vbTab & vbCr & vbLf & Chr(11) & Chr(12), "\s"
Check Not T("\s", ChrW(160)), "\s is the documented ASCII set"
CheckEq First("\w+", "?a_Z9" & ChrW(233)), "a_Z9", "\w is [A-Za-z0-9_]"
CheckEq First("\D\W\S", "a.b"), "a.b", "\D \W \S"
CheckEq First("\Bb\B", "b abc"), "b", "\B"
Check T("^(?:ab)+$", "abab") And Not T("^(?:ab)+$", "aba"), "(?:)"
CheckEq First("Windows (?=95|98)", "Windows 2000 Windows 98"), "Windows ", "(?=)"
CheckEq NewRe("Windows (?=95|98)", False, False, False).Execute("Windows 2000 Windows 98")(0).FirstIndex, CLng(13), "(?=) position"
CheckEq First("Windows (?!95|98)\d+", "Windows 98 Windows 2000"), "Windows 2000", "(?!)"
CheckEq First("<.*?>", "<a><b>"), "<a>", "lazy star"
CheckEq First("a{2,3}?", "aaaa"), "aa", "lazy braces"
CheckEq First("a??b", "ab"), "ab", "lazy question mark"
CheckEq First("(.)\1", "abccd"), "cc", "back-reference"
CheckEq First("(a)|b\1", "b"), "b", "reference to a group that took no part matches empty"
CheckEq First("[a-c]+", "xxbcaz"), "bca", "range"
CheckEq First("[^a-c]+", "abxyc"), "xy", "negated class"
CheckEq First("[\d.]+", "v1.25!"), "1.25", "escape class in a class"
CheckEq First("[-a]+", "b-a-"), "-a-", "leading - is literal"
CheckEq First("[a-]+", "b-a-"), "-a-", "trailing - is literal"
CheckEq First("[\w-.]+", "#a-b.c#"), "a-b.c", "- after a class escape is literal"
CheckEq First("[\b]", "a" & Chr(8)), Chr(8), "[\b] is backspace"
Check Not T("[]", "a"), "[] matches nothing"
CheckEq First("a[^]b", "a" & vbLf & "b"), "a" & vbLf & "b", "[^] matches anything"
CheckEq First("[\s\S]+", "a" & vbLf & "b"), "a" & vbLf & "b", "[\s\S]"
CheckEq First("\x41\u0042", "xABx"), "AB", "\xhh and \uhhhh"
CheckEq First("\x4g", "x4g"), "x4g", "short \x is a literal x"
CheckEq First("\u12", "u12"), "u12", "short \u is a literal u"
CheckEq First("\cJ", "a" & vbLf), vbLf, "\cJ"
CheckEq First("\c1", "c1"), "c1", "\c before a non-letter is a literal c"
CheckEq First("\11", "a" & vbTab), vbTab, "\11 octal without groups"
CheckEq First("\011", "a" & vbTab), vbTab, "\011 octal"
CheckEq First("\0011", Chr(1) & "1"), Chr(1) & "1", "\0011 is \001 then 1"
CheckEq First("\8", "8"), "8", "\8 is 8"
CheckEq First("(a)\12", "aa2"), "aa2", "\12 with one group is \1 then 2"
CheckEq First("\.\*\+\?\(\)\[\]\{\}\|\\\^\$\/", ".*+?()[]{}|\^$/"), ".*+?()[]{}|\^$/", "escaped metacharacters"
CheckEq First("\z\A\Q\K\e", "zAQKe"), "zAQKe", "other escapes stand for the letter"
CheckEq First("a{", "a{"), "a{", "a lone { is literal"
CheckEq First("a{1,x}", "a{1,x}"), "a{1,x}", "a brace that is no quantifier is literal"
CheckEq First("a}]", "a}]"), "a}]", "} and ] are literal"
CheckEq First("[[:alpha:]]+", "x:]]"), ":]]", "no POSIX classes"
CheckEq First("a{2,}", "aaaab"), "aaaa", "{n,}"
CheckEq First("x|", "y"), "", "empty alternative"

' ---- UTF-16 code units --------------------------------------------------------------------------
s = "a" & ChrW(&HD800) & "b"
CheckEq NewRe("a.b", False, False, False).Test(s), True, "a lone surrogate is a character"
CheckEq NewRe("b", False, False, False).Execute(s)(0).FirstIndex, CLng(2), "positions count code units"
CheckEq Rep(ChrW(&HD800), s, "-"), "a-b", "a lone surrogate in the pattern"
s = ChrW(&HD83D) & ChrW(&HDE00)
Check Not T("^.$", s) And T("^..$", s), "a surrogate pair is two characters"

' ---- pattern errors, raised when the pattern is used -----------------------------------------
Check PatErr("a(b") = 5020, "unclosed group"
Check PatErr("((a)") = 5020, "unclosed outer group"
Check PatErr("a)b") = 5017, "unopened group"
Check PatErr("(?<n>a)") = 5017, "named groups are not classic"
Check PatErr("(?i)a") = 5017, "inline options are not classic"
Check PatErr("(?<=a)b") = 5017, "look-behind is not classic"
Check PatErr("a\") = 5017, "trailing backslash"
Check PatErr("a{3,2}") = 5017, "reversed braces"
Check PatErr("*a") = 5018, "quantifier at the start"
Check PatErr("a**") = 5018, "quantifier after a quantifier"
Check PatErr("a{2}{3}") = 5018, "braces after a quantifier"
Check PatErr("a|+") = 5018, "quantifier after |"
Check PatErr("(*)") = 5018, "quantifier after ("
Check PatErr("^*") = 5018, "quantifier after ^"
Check PatErr("\b+") = 5018, "quantifier after \b"
Check PatErr("{2}") = 5018, "braces with nothing to repeat"
Check PatErr("[abc") = 5019, "unclosed class"
Check PatErr("[a\") = 5019, "unclosed class ending in a backslash"
Check PatErr("[z-a]") = 5021, "reversed range"
Check PatErr("[\x41-\x40]") = 5021, "reversed range by escapes"
Check PatErr("a(b") = 5020, "error again on the next use"

Set re = New RegExp
re.Pattern = "(("
CheckEq re.Pattern, "((", "a bad pattern is stored without error"
On Error Resume Next
Err.Clear
x = re.Replace("a", "b")
n = Err.Number
On Error GoTo 0
Check n = 5020, "Replace raises the pattern error"
CheckEq Err.Description, "", "error cleared by On Error GoTo 0"
On Error Resume Next
x = re.Execute("a")
n = Err.Number
m = Err.Description
On Error GoTo 0
Check n = 5020, "Execute raises the pattern error"
CheckEq m, "Expected ')' in regular expression", "classic text"
re.Pattern = "(a)"
CheckEq re.Test("a"), True, "a fixed pattern works again"

' ---- Replace with a function ------------------------------------------------------------------
Function SwapPair(m, a, b, pos, src)
    SwapPair = b & a & pos & Len(src)
End Function
Function MarkMissing(m, g, pos, src)
    MarkMissing = "<" & IsEmpty(g) & ">"
End Function
Dim g_calls
Function Recount(m, pos, src)
    g_calls = g_calls + 1
    Recount = g_re.Replace(m, "x")
End Function
Class Upper
    Public Default Function Run(m, pos, src)
        Run = UCase(m)
    End Function
End Class
CheckEq NewRe("(\w)(\w)", False, True, False).Replace("ab cd", GetRef("SwapPair")), "ba05 dc35", "GetRef replacement gets match, groups, position, source"
CheckEq NewRe("b+", False, True, False).Replace("abbcb", New Upper), "aBBcB", "an object's default method as replacement"
CheckEq NewRe("a(x)?", False, True, False).Replace("ab", GetRef("MarkMissing")), "<True>b", "group that took no part is passed Empty"
Dim g_re
Set g_re = NewRe("\w", False, True, False)
g_calls = 0
CheckEq g_re.Replace("ab", GetRef("Recount")), "xx", "the function may use the same RegExp"
CheckEq g_calls, 2, "one call per match"
CheckErr "Set re = New RegExp : re.Pattern = ""a"" : x = re.Replace(""a"", GetRef(""SwapPair""))", 450, "function with the wrong number of parameters"

' ---- limits ---------------------------------------------------------------------------------------
Set re = NewRe("^(?:(a)|b)*$", False, False, False)
On Error Resume Next
Err.Clear
x = re.Test(String(3000000, "a"))
n = Err.Number
On Error GoTo 0
Check n = 28, "backtracking deeper than the stack: Out of stack space"
CheckEq NewRe("^[ab]*$", False, False, False).Test(String(3000000, "a")), True, "a long subject without deep backtracking"

Finish
