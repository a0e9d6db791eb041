' expect: octal_digit.vbs(3, 5) error: Syntax error
Dim x
x = &19
