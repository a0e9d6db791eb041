On Error Resume Next
Dim a, b, r
a = CInt(32767) : b = 0.1 : r = a >= b : Show "CInt(32767) >= 0.1", r
a = #12/30/1899# : b = (1 / 3) : r = a >= b : Show "#12/30/1899# >= (1 / 3)", r
r = "&H10" >= CInt(32767) : Show """&H10"" >= CInt(32767)", r
a = Null : b = 0.1 : r = a >= b : Show "Null >= 0.1", r
a = CLng(-2147483647) : b = "&H10" : r = a >= b : Show "CLng(-2147483647) >= ""&H10""", r
a = 12 : b = Array(1, "x") : r = a >= b : Show "12 >= Array(1, ""x"")", r
a = #1/2/2003# : Set b = New Valued : r = a >= b : Show "#1/2/2003# >= New Valued", r
a = "-0" : b = #12/30/1899# : r = a >= b : Show """-0"" >= #12/30/1899#", r
r = "&H10" >= CLng(-2147483647) : Show """&H10"" >= CLng(-2147483647)", r
Set a = New Valued : b = 40000 : r = a >= b : Show "New Valued >= 40000", r
