' Scripting.Dictionary over 100k string keys: Add, Exists, Item, Keys, Remove.
Dim d, n, i, r, k, keys, found, sum, lengths
Set d = CreateObject("Scripting.Dictionary")
n = 100000
For i = 1 To n
  d.Add "key" & i, i
Next
found = 0 : sum = 0 : lengths = 0
For r = 1 To 3
  For i = 1 To 2 * n Step 7
    If d.Exists("key" & i) Then found = found + 1
  Next
  For i = 1 To n Step r
    d.Item("key" & i) = d.Item("key" & i) + 1
  Next
  For i = r To n Step 2
    If d.Exists("key" & i) Then d.Remove "key" & i
  Next
  keys = d.Keys
  For Each k In keys
    lengths = lengths + Len(k)
    sum = sum + d.Item(k)
  Next
  For i = r To n Step 2
    If Not d.Exists("key" & i) Then d.Add "key" & i, i
  Next
Next
WScript.Echo "count " & d.Count & " found " & found & " sum " & sum & " lengths " & lengths
