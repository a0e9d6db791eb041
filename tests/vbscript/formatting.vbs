' FormatNumber, FormatCurrency, FormatPercent and FormatDateTime in English (United States).

' ---- FormatNumber ----
CheckEq FormatNumber(1234.5), "1,234.50", "two decimals and groups by default"
CheckEq FormatNumber(1234567.891), "1,234,567.89", "millions"
CheckEq FormatNumber(0), "0.00", "zero"
CheckEq FormatNumber(-1234.5), "-1,234.50", "negative with a minus"
CheckEq FormatNumber(1234.5678, 3), "1,234.568", "three decimals"
CheckEq FormatNumber(123, 5), "123.00000", "padded decimals"
CheckEq FormatNumber(1234.5, -1), "1,234.50", "-1 means the default"
CheckEq FormatNumber(1E+15), "1,000,000,000,000,000.00", "large number without exponent"
CheckEq FormatNumber(0.001), "0.00", "tiny number"
CheckEq FormatNumber("1234.5"), "1,234.50", "numeric text"
CheckEq FormatNumber(True), "-1.00", "True"
CheckEq FormatNumber(Empty), "0.00", "Empty"
CheckEq FormatNumber(CCur(1234.5)), "1,234.50", "Currency"
CheckEq TypeName(FormatNumber(1)), "String", "result is text"

' Rounding is half away from zero on the decimal digits.
CheckEq FormatNumber(1234.5, 0), "1,235", "half up, not to even"
CheckEq FormatNumber(2.5, 0), "3", "2.5"
CheckEq FormatNumber(-2.5, 0), "-3", "-2.5 away from zero"
CheckEq FormatNumber(0.125), "0.13", "0.125"
CheckEq FormatNumber(1.005), "1.01", "1.005 as written"
CheckEq FormatNumber(9.995), "10.00", "carry into a new digit"
CheckEq FormatNumber(999.999), "1,000.00", "carry into a new group"
CheckEq FormatNumber(0.5, 0), "1", "half to one"

' Tristate arguments.
CheckEq FormatNumber(0.5, 2, vbFalse), ".50", "no leading digit"
CheckEq FormatNumber(0.5, 2, vbTrue), "0.50", "leading digit"
CheckEq FormatNumber(-0.5, 2, vbFalse), "-.50", "negative without leading digit"
CheckEq FormatNumber(0.5, 0, vbFalse), "1", "no decimals keeps the digit"
CheckEq FormatNumber(-1, 2, , vbTrue), "(1.00)", "parentheses"
CheckEq FormatNumber(-1, 2, , vbFalse), "-1.00", "no parentheses"
CheckEq FormatNumber(1, 2, , vbTrue), "1.00", "parentheses only for negatives"
CheckEq FormatNumber(1234567, 0, , , vbFalse), "1234567", "no grouping"
CheckEq FormatNumber(-1, 2, vbUseDefault, vbUseDefault, vbUseDefault), "-1.00", "vbUseDefault"

CheckErr "x = FormatNumber(""abc"")", 13, "text not a number"
CheckErr "x = FormatNumber(Null)", 13, "Null"
CheckErr "x = FormatNumber(1, -2)", 5, "digits below -1"
CheckErr "x = FormatNumber(1, ""x"")", 13, "digits not a number"

' ---- FormatCurrency ----
CheckEq FormatCurrency(1234.5), "$1,234.50", "currency"
CheckEq FormatCurrency(-1234.5), "($1,234.50)", "negative currency in parentheses"
CheckEq FormatCurrency(-1234.5, , , vbFalse), "-$1,234.50", "negative currency with a minus"
CheckEq FormatCurrency(0.5, , vbFalse), "$.50", "no leading digit"
CheckEq FormatCurrency(1234.567, 0), "$1,235", "no decimals"
CheckEq FormatCurrency(1234.5, 2, , , vbFalse), "$1234.50", "no grouping"
CheckEq FormatCurrency(1000000), "$1,000,000.00", "million"
CheckErr "x = FormatCurrency(""abc"")", 13, "currency of text"
CheckErr "x = FormatCurrency(Null)", 13, "currency of Null"

' ---- FormatPercent ----
CheckEq FormatPercent(0.1234), "12.34%", "percent"
CheckEq FormatPercent(1), "100.00%", "one is a hundred percent"
CheckEq FormatPercent(-0.5), "-50.00%", "negative percent"
CheckEq FormatPercent(0.12345, 1), "12.3%", "one decimal"
CheckEq FormatPercent(0.125, 0), "13%", "rounded half up"
CheckEq FormatPercent(-0.5, 0, , vbTrue), "(50%)", "parentheses"
CheckEq FormatPercent(12.345), "1,234.50%", "grouped"
CheckErr "x = FormatPercent(""abc"")", 13, "percent of text"

' ---- FormatDateTime ----
Dim d
d = #1/2/2003 10:30:15 PM#
CheckEq FormatDateTime(d), "1/2/2003 10:30:15 PM", "general date"
CheckEq FormatDateTime(d, vbGeneralDate), "1/2/2003 10:30:15 PM", "vbGeneralDate"
CheckEq FormatDateTime(d, vbLongDate), "Thursday, January 02, 2003", "vbLongDate"
CheckEq FormatDateTime(d, vbShortDate), "1/2/2003", "vbShortDate"
CheckEq FormatDateTime(d, vbLongTime), "10:30:15 PM", "vbLongTime"
CheckEq FormatDateTime(d, vbShortTime), "22:30", "vbShortTime is 24-hour"
CheckEq FormatDateTime(#7/4/2003 9:05:07 AM#, vbLongDate), "Friday, July 04, 2003", "long date pads the day"
CheckEq FormatDateTime(#7/4/2003 9:05:07 AM#, vbShortTime), "09:05", "short time pads the hour"
CheckEq FormatDateTime(#7/4/2003 9:05:07 AM#, vbLongTime), "9:05:07 AM", "long time"
CheckEq FormatDateTime(#1/2/2003#), "1/2/2003", "midnight: date only"
CheckEq FormatDateTime(#10:30:00 AM#), "10:30:00 AM", "day zero: time only"
CheckEq FormatDateTime(#1/2/2003#, vbLongTime), "12:00:00 AM", "long time of midnight"
CheckEq FormatDateTime("1/2/2003", vbLongDate), "Thursday, January 02, 2003", "date text"
CheckEq FormatDateTime(CDate(-1.25), vbShortDate), "12/29/1899", "before 1899"
CheckErr "x = FormatDateTime(#1/2/2003#, 5)", 5, "unknown form"
CheckErr "x = FormatDateTime(""abc"")", 13, "text not a date"
CheckErr "x = FormatDateTime(Null)", 13, "Null date"
CheckErr "x = FormatPercent(Null)", 13, "percent of Null"
CheckErr "x = FormatNumber(""x"", Null)", 94, "Null digits before a bad number"

' ---- Many values: the text reads back as the rounded number ----
Dim i, x, formatBad
formatBad = 0
For i = 1 To 600
    x = ((i * 7919) Mod 100003) / 1000
    If i Mod 2 = 0 Then x = -((i * 7919) Mod 100003)
    If CDbl(FormatNumber(x, 3, , , vbFalse)) <> x Then formatBad = formatBad + 1
    If Abs(CDbl(FormatNumber(x, 2, , , vbFalse)) - x) > 0.0050000001 Then formatBad = formatBad + 1
    If Replace(FormatNumber(x), ",", "") <> FormatNumber(x, 2, , , vbFalse) Then formatBad = formatBad + 1
    If x < 0 Then
        If FormatNumber(x, 1, , vbTrue) <> "(" & FormatNumber(-x, 1) & ")" Then formatBad = formatBad + 1
    End If
Next
CheckEq formatBad, 0, "formatted numbers read back"

Finish
