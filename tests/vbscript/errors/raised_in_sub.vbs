' expect: raised_in_sub.vbs(4, 5) error: Custom failure
Sub Fails()
    Dim x
    Err.Raise 1234, "test", "Custom failure"
End Sub
Fails
