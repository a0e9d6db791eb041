' expect: error: Script execution timed out
Do
Loop
