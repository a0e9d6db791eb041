' expect: unqualified_reference.vbs(5, 1) error: Invalid or unqualified reference
' Compiles: the reference fails only when it is reached.
Dim x
WScript.Echo "before"
x = .Name
