Function F(a, b) : F = a + b : End Function
WScript.Echo F(1, 2)
WScript.Echo F(1)
