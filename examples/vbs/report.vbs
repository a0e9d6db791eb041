' A small administration-style script: reads a log, counts words with a
' dictionary, finds dated entries with a regular expression, and reports
' with the classic date and number formats. Run: build/vbs examples/vbs/report.vbs
Option Explicit

Dim logText
logText = "1/31/2003 boat arrives at the harbour" & vbCrLf & _
          "2/14/2003 lamp lit at the lighthouse" & vbCrLf & _
          "3/1/2003 boat leaves the harbour" & vbCrLf & _
          "contact: keeper@lighthouse.com, captain@harbour.com"

' Word counts, most frequent first (ties in order of first appearance).
Dim words, re, m, w
Set words = CreateObject("Scripting.Dictionary")
words.CompareMode = vbTextCompare
Set re = New RegExp
re.Pattern = "[a-z]+"
re.IgnoreCase = True
re.Global = True
For Each m In re.Execute(logText)
    w = LCase(m.Value)
    words(w) = words(w) + 1
Next
WScript.Echo "Distinct words: " & words.Count
Dim k, best, bestCount
bestCount = 0
For Each k In words.Keys
    If words(k) > bestCount Then best = k: bestCount = words(k)
Next
WScript.Echo "Most frequent: " & best & " (" & bestCount & ")"

' Dated entries: the first and last day, the span between them.
Dim dated, first, last, d
Set dated = New RegExp
dated.Pattern = "^(\d{1,2})/(\d{1,2})/(\d{4}) (.*)$"
dated.Multiline = True
dated.Global = True
For Each m In dated.Execute(logText)
    d = DateSerial(m.SubMatches(2), m.SubMatches(0), m.SubMatches(1))
    If IsEmpty(first) Then first = d
    last = d
    WScript.Echo FormatDateTime(d, vbLongDate) & ": " & Replace(m.SubMatches(3), vbCr, "")
Next
WScript.Echo "Span: " & DateDiff("d", first, last) & " days, from " & first & " to " & last
WScript.Echo "A month after the first: " & DateAdd("m", 1, first)
WScript.Echo "First entry on a " & WeekdayName(Weekday(first)) & " in " & MonthName(Month(first))

' Addresses rewritten with groups.
Dim mail
Set mail = New RegExp
mail.Pattern = "(\w+)@(\w+)\.com"
mail.Global = True
WScript.Echo mail.Replace(Mid(logText, InStr(logText, "contact:")), "$1 of $2")

' Numbers.
WScript.Echo "Fuel: " & FormatNumber(1234.5) & " litres, cost " & FormatCurrency(-1234.5) & ", " & FormatPercent(0.256) & " used"
WScript.Echo "Rounded: " & Round(2.5) & " " & Round(3.5) & " " & Round(1.2345, 2) & ", hex " & Hex(255) & ", " & CStr(1 / 3)
