' The vbs runner's WScript object (the suite runs every file with: one "two words").
CheckEq WScript.Arguments.Count, CLng(2), "two arguments"
CheckEq WScript.Arguments(1), "two words", "an argument with a blank"
CheckEq WScript.Arguments.Unnamed.Count, CLng(2), "both are unnamed"
CheckEq WScript.Arguments.Named.Count, CLng(0), "none is named"
CheckEq WScript.Arguments.Named.Exists("one"), False, "Exists on named arguments"
CheckEq WScript.ScriptName, "wscript.vbs", "ScriptName is the file name"
Check InStr(WScript.ScriptFullName, "tests") > 0, "ScriptFullName is the whole path"
Dim t0
t0 = Timer
WScript.Sleep 30
Check Timer - t0 >= 0.02 Or Timer < t0, "Sleep waits"
CheckErr "WScript.Sleep -1", 5, "a negative sleep"
CheckEq TypeName(WScript.CreateObject("Scripting.Dictionary")), "Dictionary", "WScript.CreateObject"
CheckErr "Set x = WScript.CreateObject(""No.Such"")", 429, "an unknown ProgID"
WScript.StdOut.Write "StdOut.Write "
WScript.StdOut.WriteLine "and WriteLine"
CheckErr "x = WScript.StdOut.ReadLine", 54, "reading the output stream"
CheckErr "WScript.StdIn.Write ""x""", 54, "writing the input stream"
Finish
