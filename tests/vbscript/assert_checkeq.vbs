' CheckEq itself: arrays are equal only with the same dimensions, bounds and elements.
' Failing probes run quietly and are counted here, so they do not fail this file.
Function ProbeFails(actual, expected, hint)
    Dim savedFailures, savedChecks
    savedFailures = g_failures
    savedChecks = g_checks
    g_failures = 0
    g_lastFailure = ""
    g_quiet = True
    CheckEq actual, expected, "probe"
    g_quiet = False
    ProbeFails = (g_failures = 1 And InStr(g_lastFailure, hint) > 0)
    If g_failures = 1 And InStr(g_lastFailure, hint) = 0 Then WScript.Echo "message was: " & g_lastFailure
    g_failures = savedFailures
    g_checks = savedChecks
End Function

Dim m1(1, 2), m2(1, 2), m3(1, 3), i, j, one, other
For i = 0 To 1
    For j = 0 To 2
        m1(i, j) = i * 10 + j
        m2(i, j) = i * 10 + j
    Next
Next
Class Box
End Class
Set one = New Box
Set other = New Box

' Equal arrays pass, nested and 2-D ones included.
CheckEq Array(1, "a", Null, Empty), Array(1, "a", Null, Empty), "equal flat arrays"
CheckEq Array(Array(1, 2), Array()), Array(Array(1, 2), Array()), "equal nested arrays"
CheckEq m1, m2, "equal matrices"
CheckEq Array(one), Array(one), "the same object in both"
Check g_failures = 0, "equal arrays do not fail"

Check ProbeFails(Array(1, 2, 3), Array(1, 2, 4), "element (2): got Integer 3, expected Integer 4"), "a differing value fails"
Check ProbeFails(Array(1, 2), Array(1, CLng(2)), "expected Long 2"), "a differing subtype fails"
Check ProbeFails(Array(1, 2), Array(1, 2, 3), "dimension 1 is 0 To 1, expected 0 To 2"), "a differing bound fails"
Check ProbeFails(m1, m3, "dimension 2 is 0 To 2, expected 0 To 3"), "a differing bound in the second dimension fails"
Check ProbeFails(Array(1, 2), m1, "1 dimensions, expected 2"), "a differing dimension count fails"
Check ProbeFails(Array(Array(1, 2)), Array(Array(1, "2")), "element (0): element (1)"), "a difference inside a nested array fails"
Check ProbeFails(Array(one), Array(other), "got <Box>, expected <Box>"), "different objects fail"
m2(1, 2) = 99
Check ProbeFails(m1, m2, "element (1, 2): got Integer 12, expected Integer 99"), "a differing matrix element fails"
Check ProbeFails(Array(1), 1, "got Variant(0 To 0) {Integer 1}, expected Integer 1"), "an array is not its element"

' Arrays with more than three dimensions are compared too.
Dim h1(1, 1, 1, 2), h2(1, 1, 1, 2)
h2(1, 0, 1, 2) = "x"
Check ProbeFails(h1, h2, "element (1, 0, 1, 2): got Empty, expected String x"), "a differing element of a 4-D array fails"
h1(1, 0, 1, 2) = "x"
CheckEq h1, h2, "equal 4-D arrays"

' A dynamic array never sized has no dimensions.
Dim dynA(), dynB()
CheckEq dynA, dynB, "two unsized dynamic arrays"
Check ProbeFails(dynA, Array(), "0 dimensions, expected 1"), "an unsized array is not an empty one"
Finish
