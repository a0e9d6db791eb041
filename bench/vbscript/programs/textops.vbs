' Whole-text operations over a ~1 MB string: Split, Join, Replace, InStr.
Dim words, items(), n, i, text, pieces, joined, replaced, pos, hits, rounds, r, total
words = Array("alpha", "beta", "gamma", "delta", "epsilon", "zeta", "eta", "theta")
n = 120000
ReDim items(n - 1)
For i = 0 To n - 1
  items(i) = words(i Mod 8) & (i Mod 1000)
Next
text = Join(items, " ")
WScript.Echo "length " & Len(text)
rounds = 25
total = 0
For r = 1 To rounds
  pieces = Split(text, " ")
  total = total + UBound(pieces) + 1
  joined = Join(pieces, ",")
  replaced = Replace(joined, words(r Mod 8), words((r + 3) Mod 8))
  total = total + Len(replaced)
  hits = 0
  pos = InStr(1, replaced, "a77,")
  Do While pos > 0
    hits = hits + 1
    pos = InStr(pos + 1, replaced, "a77,")
  Loop
  total = total + hits
  text = Replace(replaced, ",", " ")
Next
WScript.Echo "hits " & hits & " total " & total & " length " & Len(text)
