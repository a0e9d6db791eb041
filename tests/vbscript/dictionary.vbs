' Scripting.Dictionary: keys by value, insertion order, the classic errors.
Dim d, k, i, s
Set d = CreateObject("Scripting.Dictionary")
CheckEq TypeName(d), "Dictionary", "TypeName"
CheckEq d.Count, CLng(0), "a new dictionary is empty"
CheckEq d.CompareMode, CLng(0), "binary comparison by default"

' ---- Add, Item, Exists, Count ----
d.Add "a", 1
d.Add "b", "two"
d.Add 3, Null
CheckEq d.Count, CLng(3), "three added"
CheckEq d.Item("a"), 1, "Item reads"
CheckEq d("b"), "two", "Item is the default member"
Check IsNull(d(3)), "a Null item"
Check d.Exists("a"), "Exists finds a key"
Check Not d.Exists("A"), "binary mode is case-sensitive"
CheckErr "d.Add ""a"", 9", 457, "a duplicate key"
CheckEq Err.Description, "", "CheckErr clears the error"
On Error Resume Next
d.Add "b", 0
CheckEq Err.Number, CLng(457), "duplicate key number"
CheckEq Err.Description, "This key is already associated with an element of this collection", "duplicate key text"
Err.Clear
On Error GoTo 0

' Reading a missing key adds it with Empty.
CheckEq d.Count, CLng(3), "before reading a missing key"
Check IsEmpty(d("missing")), "a missing key reads Empty"
CheckEq d.Count, CLng(4), "reading a missing key added it"
Check d.Exists("missing"), "the read key exists now"

' Assignment replaces or adds.
d("a") = 10
d.Item("new") = "n"
CheckEq d("a"), 10, "assignment replaces"
CheckEq d("new"), "n", "assignment adds"
CheckEq d.Count, CLng(5), "one added by assignment"

' ---- Keys and Items keep insertion order ----
k = d.Keys
CheckEq UBound(k), CLng(4), "Keys has Count elements"
CheckEq Join(k, ","), "a,b,3,missing,new", "Keys in insertion order"
CheckEq VarType(k(2)), vbInteger, "a key keeps its subtype"
i = d.Items
CheckEq i(0), 10, "Items in insertion order"
CheckEq i(1), "two", "second item"
CheckEq d.Keys, Array("a", "b", 3, "missing", "new"), "Keys: every key with its subtype"
CheckEq d.Items, Array(10, "two", Null, Empty, "n"), "Items: every item with its subtype"
CheckEq UBound(CreateObject("Scripting.Dictionary").Keys), CLng(-1), "Keys of an empty dictionary"

' For Each gives the keys.
s = ""
For Each k In d
    s = s & k & ";"
Next
CheckEq s, "a;b;3;missing;new;", "For Each walks the keys"

' ---- Remove, RemoveAll ----
d.Remove "b"
CheckEq Join(d.Keys, ","), "a,3,missing,new", "Remove keeps the order of the rest"
CheckErr "d.Remove ""b""", 32811, "removing a missing key"
On Error Resume Next
d.Remove "nothing here"
CheckEq Err.Description, "Element not found", "missing key text"
Err.Clear
On Error GoTo 0
d.Add "b", "again"
CheckEq Join(d.Keys, ","), "a,3,missing,new,b", "a re-added key goes last"
d.RemoveAll
CheckEq d.Count, CLng(0), "RemoveAll empties"
CheckEq Join(d.Keys, ","), "", "no keys left"

' ---- Key renames in place ----
d.Add "x", 1
d.Add "y", 2
d.Key("x") = "z"
CheckEq Join(d.Keys, ","), "z,y", "the renamed key keeps its place"
CheckEq d("z"), 1, "the item follows its key"
Check Not d.Exists("x"), "the old key is gone"
CheckErr "d.Key(""nope"") = ""w""", 32811, "renaming a missing key"
CheckErr "d.Key(""z"") = ""y""", 457, "renaming onto an existing key"
CheckEq d.Count, CLng(2), "failed renames change nothing"

' ---- Keys compare by value ----
d.RemoveAll
d.Add 1, "one"
Check d.Exists(CLng(1)), "Long 1 is Integer 1"
Check d.Exists(1.0), "Double 1 is Integer 1"
Check d.Exists(CCur(1)), "Currency 1 is Integer 1"
Check d.Exists(CByte(1)), "Byte 1 is Integer 1"
Check Not d.Exists("1"), "the string ""1"" is another key"
CheckErr "d.Add CDbl(1), ""dup""", 457, "Double 1 duplicates Integer 1"
d.Add "1", "string one"
CheckEq d.Count, CLng(2), "string and number keys live side by side"
Check Not d.Exists(True), "True is not -1 or 1"
d.Add -1, "minus one"
Check Not d.Exists(True), "True is still not -1"
d.Add Empty, "empty"
Check d.Exists(Empty), "Empty is a key"
CheckEq d(Empty), "empty", "the Empty key's item"
Check d.Exists(""), "an Empty key is found by the empty string"
Check d.Exists(0), "an Empty key is found by zero"
CheckErr "d.Add """", 1", 457, "the empty string duplicates an Empty key"
Dim e
Set e = CreateObject("Scripting.Dictionary")
e.Add "", "blank"
e.Add 0, "zero"
CheckEq e.Count, CLng(2), "the empty string and zero are different keys"
CheckErr "e.Add Empty, 1", 457, "Empty duplicates the empty string"
CheckEq e(Empty), "blank", "Empty finds the empty string first"
e.Remove ""
CheckEq e(Empty), "zero", "then zero"
e.Key(Empty) = "z"
CheckEq Join(e.Keys, ","), "z", "Key renames the key Empty found"
CheckErr "d.Add Null, 1", 94, "Null is no key"
CheckErr "x = d.Exists(Null)", 94, "Null is no key for Exists either"
CheckErr "d.Add Array(1, 2), 1", 13, "an array is no key"

' Objects are keys by identity.
Dim o1, o2
Set o1 = CreateObject("Scripting.Dictionary")
Set o2 = CreateObject("Scripting.Dictionary")
d.RemoveAll
d.Add o1, "first"
d.Add o2, "second"
CheckEq d(o1), "first", "an object key"
CheckEq d(o2), "second", "another object key"
k = d.Keys
Check k(0) Is o1, "Keys gives the object back"
Set d(o1) = o2
Check d(o1) Is o2, "Set stores an object item"

' ---- CompareMode ----
Dim t
Set t = CreateObject("Scripting.Dictionary")
t.CompareMode = vbTextCompare
CheckEq t.CompareMode, CLng(1), "text mode set"
t.Add "Key", 1
Check t.Exists("KEY"), "text mode ignores case"
Check t.Exists("key"), "text mode ignores case, lower"
CheckErr "t.Add ""kEy"", 2", 457, "a duplicate in text mode"
t("KEY") = 5
CheckEq t("key"), 5, "assignment finds the key whatever its case"
CheckEq Join(t.Keys, ","), "Key", "the first spelling is kept"
CheckErr "t.CompareMode = 0", 5, "CompareMode cannot change with items in"
t.RemoveAll
t.CompareMode = vbBinaryCompare
CheckEq t.CompareMode, CLng(0), "CompareMode changes once empty"
CheckErr "t.CompareMode = -1", 5, "a negative compare mode"

' ---- HashVal ----
CheckEq VarType(d.HashVal("abc")), vbLong, "HashVal is a Long"
CheckEq d.HashVal("abc"), d.HashVal("abc"), "HashVal is stable"
CheckEq d.HashVal(1), d.HashVal(1.0), "equal keys hash alike"
Check d.HashVal("abc") >= 0 And d.HashVal("abc") < 1201, "HashVal within the table"

' ---- wrong use ----
CheckErr "d.Count = 3", 450, "Count is read-only"
CheckErr "d.Add ""only""", 450, "Add needs a key and an item"
CheckErr "x = d.Frobnicate", 438, "an unknown member"

' ---- a dictionary changed while For Each runs ----
d.RemoveAll
d.Add "p", 1
d.Add "q", 2
s = ""
For Each k In d
    s = s & k
    d.Remove k
    d.Add k & "2", 0
Next
CheckEq s, "pq", "For Each walks the keys present when it started"
CheckEq Join(d.Keys, ","), "p2,q2", "changes made inside the loop stick"

' ---- many items: O(1) operations ----
Dim big, n
Set big = CreateObject("Scripting.Dictionary")
For n = 1 To 100000
    big.Add "k" & n, n
Next
CheckEq big.Count, CLng(100000), "a hundred thousand items"
CheckEq big("k77777"), 77777, "found among many"
For n = 1 To 100000 Step 2
    big.Remove "k" & n
Next
CheckEq big.Count, CLng(50000), "half removed"
Check Not big.Exists("k77777"), "an odd key was removed"
Check big.Exists("k77778"), "an even key stays"
k = big.Keys
CheckEq k(0), "k2", "order survives removals"
CheckEq k(49999), "k100000", "last key"

Finish
