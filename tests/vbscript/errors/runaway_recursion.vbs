' expect: error: Out of stack space
Sub Recurse(n)
    Recurse n + 1
End Sub
Recurse 0
