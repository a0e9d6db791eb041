' expect: syntax_error.vbs(3, 11) error: Expected end of statement
Dim a
a = 1 + 2 3
