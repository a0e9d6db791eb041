' expect: bad_argument.vbs(4, 1) error: Invalid procedure call or argument
Dim s
s = Mid("abc", 1)
s = s & Chr(300)
