' Classes: fields, properties, default members, Initialize / Terminate, Me.
Dim log
log = ""
Class Account
    Private m_balance
    Public Owner
    Public Items(2)

    Private Sub Class_Initialize()
        m_balance = 0
        log = log & "init;"
    End Sub
    Private Sub Class_Terminate()
        log = log & "term:" & Owner & ";"
    End Sub

    Public Property Get Balance()
        Balance = m_balance
    End Property
    Public Property Let Balance(v)
        If v < 0 Then Err.Raise 5, "Account", "negative"
        m_balance = v
    End Property

    Public Sub Deposit(amount)
        Me.Balance = m_balance + amount
    End Sub
    Public Function Describe()
        Describe = Owner & ":" & Balance
    End Function
    Private Function Secret()
        Secret = 42
    End Function
    Public Function UseSecret()
        UseSecret = Secret() + Me.Secret
    End Function
End Class

Dim acct
Set acct = New Account
CheckEq log, "init;", "Class_Initialize runs on New"
acct.Owner = "ann"
acct.Deposit 10
acct.Balance = acct.Balance + 5
CheckEq acct.Balance, 15, "Property Get / Let"
CheckEq acct.Describe(), "ann:15", "method using a property unqualified"
CheckEq acct.UseSecret(), 84, "private members are reachable from inside"
CheckErr "x = acct.Secret()", 438, "private members are hidden outside"
CheckErr "x = acct.NoSuch", 438, "unknown member"
CheckErr "acct.Balance = -1", 5, "error raised inside a Property Let"
acct.Items(1) = "item"
CheckEq acct.Items(1), "item", "array field element"
CheckEq TypeName(acct), "Account", "TypeName of an instance"
CheckEq IsObject(acct), True, "IsObject"
' Terminate runs when the last reference goes.
Dim other
Set other = acct
Set acct = Nothing
CheckEq log, "init;", "still referenced"
Set other = Nothing
CheckEq log, "init;term:ann;", "Class_Terminate on the last release"
' A temporary object is released at once.
log = ""
With New Account
    .Deposit 1
End With
CheckEq log, "init;term:;", "the With object is released at End With"
' Terminate runs when a local goes out of scope.
Sub UseLocal()
    Dim tmp
    Set tmp = New Account
    tmp.Owner = "local"
End Sub
log = ""
UseLocal
CheckEq log, "init;term:local;", "local object released on return"

' Default members.
Class List
    Private m_items
    Private Sub Class_Initialize()
        m_items = Array("zero", "one", "two")
    End Sub
    Public Default Property Get Item(i)
        Item = m_items(i)
    End Property
    Public Property Get Count()
        Count = UBound(m_items) + 1
    End Property
End Class
Dim lst : Set lst = New List
CheckEq lst(1), "one", "default property with an argument"
CheckEq lst.Item(2), "two", "the same property by name"
Class Named
    Public Default Function Value()
        Value = "named"
    End Function
End Class
Dim nm : Set nm = New Named
CheckEq nm & "!", "named!", "default function in an expression"
Dim copyV : copyV = nm
CheckEq copyV, "named", "plain assignment takes the default value"
CheckErr "Dim q : q = New Account", 438, "assigning an object without a default member"

' Set rules.
CheckErr "Set q2 = 5", 424, "Set needs an object"
CheckErr "Dim q3 : x = q3.Foo", 424, "member of a non-object"
CheckErr "Dim q4 : Set q4 = Nothing : x = q4.Foo", 424, "member of Nothing"
CheckErr "Set q5 = New NoSuchClass", 506, "unknown class"

' Property Set / Get of objects, chained calls.
Class Node
    Public Value
    Private m_next
    Private Sub Class_Initialize()
        Set m_next = Nothing
    End Sub
    Public Property Set NextNode(n)
        Set m_next = n
    End Property
    Public Property Get NextNode()
        Set NextNode = m_next
    End Property
End Class
Dim n1, n2
Set n1 = New Node : n1.Value = 1
Set n2 = New Node : n2.Value = 2
Set n1.NextNode = n2
CheckEq n1.NextNode.Value, 2, "chained member access"
n1.NextNode.Value = 3
CheckEq n2.Value, 3, "assignment through a chain"
CheckEq n2.NextNode Is Nothing, True, "object property initialised to Nothing"

' Me and passing objects around.
Class Counter
    Public N
    Public Function Inc()
        N = N + 1
        Set Inc = Me
    End Function
End Class
Dim c : Set c = New Counter
c.Inc().Inc().Inc
CheckEq c.N, 3, "returning Me chains"
' An object passed to a built-in function or read through a chain is released as soon as the
' last variable lets go, not kept by the engine's temporaries.
Dim probe : Set probe = New Account : probe.Owner = "probe"
log = ""
x = TypeName(probe) & IsObject(probe)
x = c.Inc().N
Set probe = Nothing
CheckEq log, "term:probe;", "no temporary keeps an object alive"
Finish
