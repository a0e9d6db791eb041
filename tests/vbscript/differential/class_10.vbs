Class Noisy
  Public Id
  Private Sub Class_Initialize() : WScript.Echo "init" : End Sub
  Private Sub Class_Terminate() : WScript.Echo "term " & Id : End Sub
End Class
Function Make(id) : Set Make = New Noisy : Make.Id = id : End Function
Sub InSub() : Dim t : Set t = Make("local") : WScript.Echo "in sub" : End Sub
Dim a, b, i
Set a = Make("a") : Set b = a
Set a = Nothing : WScript.Echo "a released"
Set b = Nothing : WScript.Echo "b released"
InSub : WScript.Echo "after sub"
For i = 1 To 2 : Set a = Make(i) : Next
Make "discarded"
WScript.Echo "end"
