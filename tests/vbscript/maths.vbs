' Maths functions: results, subtypes and domain errors; the classic Rnd generator.

' A fresh engine starts the classic sequence: 0.7055475 = 11837123 / 2^24.
CheckEq Rnd, CSng(11837123 / 16777216), "the first Rnd of a fresh engine"

' Abs and Sgn.
CheckEq Abs(-32767), 32767, "Abs of an Integer"
CheckEq Abs(CInt(-32767) - 1), CLng(32768), "Abs of the lowest Integer becomes a Long"
CheckEq Abs(CCur(-1.5)), CCur(1.5), "Abs of Currency"
CheckEq Abs(CSng(-1.5)), CSng(1.5), "Abs of Single"
CheckEq Abs("-3"), CDbl(3), "Abs of a text is a Double"
CheckEq Abs(Empty), 0, "Abs of Empty"
CheckEq Abs(Null), Null, "Abs of Null"
CheckErr "x = Abs(""abc"")", 13, "Abs of a text"
CheckEq Sgn(-0.5), -1, "Sgn negative"
CheckEq Sgn(0), 0, "Sgn zero"
CheckEq Sgn(CCur(3)), 1, "Sgn of Currency"
CheckErr "x = Sgn(Null)", 94, "Sgn takes no Null"

' Roots, powers, logarithms and their domains.
CheckEq Sqr(2.25), 1.5, "Sqr"
CheckEq Sqr(0), CDbl(0), "Sqr(0)"
CheckErr "x = Sqr(-1)", 5, "Sqr of a negative"
CheckEq Exp(0), CDbl(1), "Exp(0)"
CheckEq Round(Exp(1), 9), 2.718281828, "Exp(1)"
CheckErr "x = Exp(710)", 6, "Exp overflow"
CheckEq Exp(-1000), CDbl(0), "Exp underflow is 0"
CheckEq Log(1), CDbl(0), "Log(1)"
CheckEq Round(Log(100) / Log(10), 12), CDbl(2), "Log base change"
CheckErr "x = Log(0)", 5, "Log(0)"
CheckErr "x = Log(-1)", 5, "Log of a negative"
CheckErr "x = Log(""x"")", 13, "Log of a text"

' Trigonometry.
CheckEq Sin(0), CDbl(0), "Sin(0)"
CheckEq Cos(0), CDbl(1), "Cos(0)"
CheckEq Tan(0), CDbl(0), "Tan(0)"
CheckEq Round(4 * Atn(1), 14), 3.14159265358979, "Atn gives pi"
CheckEq Round(Sin(4 * Atn(1) / 6), 12), 0.5, "Sin(pi / 6)"
CheckEq TypeName(Cos(CInt(1))), "Double", "trigonometry returns a Double"

' RGB.
CheckEq RGB(1, 2, 3), CLng(197121), "RGB"
CheckEq RGB(255, 255, 255), vbWhite, "RGB of white"
CheckEq RGB(300, 0, 256), CLng(255 + 255 * 65536), "RGB clamps to 255"
CheckEq RGB(0, 0, 0), CLng(0), "RGB black is a Long"
CheckErr "x = RGB(-1, 0, 0)", 5, "RGB with a negative part"
CheckErr "x = RGB(Null, 0, 0)", 94, "RGB with Null"

' Rnd: the classic 24-bit generator.
Dim a1, a2, a3, b1, b2, b3
a1 = Rnd(-1)
CheckEq a1, CSng(3758214 / 16777216), "Rnd(-1) restarts at the classic value 0.224007"
CheckEq Rnd(-1), a1, "the same negative number gives the same value"
CheckEq Rnd(0), a1, "Rnd(0) repeats the last value"
CheckEq TypeName(Rnd), "Single", "Rnd is a Single"
Rnd -1 : Randomize 42
a1 = Rnd : a2 = Rnd : a3 = Rnd(1)
Rnd -1 : Randomize 42
b1 = Rnd : b2 = Rnd : b3 = Rnd(1)
CheckEq b1, a1, "seeded sequence repeats (1)"
CheckEq b2, a2, "seeded sequence repeats (2)"
CheckEq b3, a3, "seeded sequence repeats (3)"
Check a1 <> a2 And a2 <> a3, "the sequence moves on"
Rnd -1 : Randomize 43
Check Rnd <> a1, "another seed gives another sequence"
Rnd -2
Check Rnd(-1) <> Rnd(-2), "different negative numbers restart differently"
Dim i, v, ok
ok = True
Randomize
For i = 1 To 2000
    v = Rnd
    If v < 0 Or v >= 1 Then ok = False
Next
Check ok, "Rnd stays in [0, 1)"
Finish
