' expect: error: Script execution timed out
' A time-out that fires inside Class_Terminate stops the script, even when objects are
' released in a loop under On Error Resume Next.
Class Spinner
    Sub Class_Terminate
        Do
        Loop
    End Sub
End Class
On Error Resume Next
Dim x
Do
    Set x = New Spinner
    Set x = Nothing
Loop
