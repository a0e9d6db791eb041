' GetLocale / SetLocale: number, currency and date texts follow the engine's locale.
CheckEq GetLocale(), CLng(1033), "English (United States) by default"
CheckEq SetLocale(1031), CLng(1033), "SetLocale returns the previous LCID"
CheckEq GetLocale(), CLng(1031), "German"
CheckEq FormatNumber(1234567.89), "1.234.567,89", "German FormatNumber"
CheckEq CStr(1.5), "1,5", "German CStr"
CheckEq 2.5 & "", "2,5", "German concatenation"
CheckEq CDbl("1,5"), 1.5, "German CDbl"
CheckEq CDbl("1.234,5"), 1234.5, "German groups"
CheckEq "2,5" + 1, 3.5, "German text in arithmetic"
CheckEq FormatCurrency(-1234.5), "-1.234,50 " & ChrW(&H20AC), "German amount"
CheckEq CStr(#3/15/2026 2:30:05 PM#), "15.03.2026 14:30:05", "German date and time"
CheckEq FormatDateTime(#3/15/2026#, vbLongDate), "Sonntag, 15. M" & ChrW(228) & "rz 2026", "German long date"
CheckEq MonthName(10, True), "Okt", "German month"
CheckEq WeekdayName(2), "Montag", "German weekday"
CheckEq Day("15.03.2026"), 15, "German date text"
CheckEq CDate("2. Januar 2026"), #1/2/2026#, "German month name"
CheckEq IsNumeric("1,5"), True, "German IsNumeric"
CheckEq #1/2/2003#, DateSerial(2003, 1, 2), "date literals stay month first"

Call SetLocale("fr-fr")
CheckEq GetLocale(), CLng(1036), "French by name"
CheckEq FormatNumber(1234.5), "1" & ChrW(160) & "234,50", "French groups"
CheckEq FormatDateTime(#3/15/2026#, vbLongDate), "dimanche 15 mars 2026", "French long date"
SetLocale 2057
CheckEq FormatCurrency(-1234.5), "-" & ChrW(163) & "1,234.50", "British amount"
CheckEq CStr(#3/15/2026 2:30:05 PM#), "15/03/2026 14:30:05", "British date and time"
CheckEq CDate("1/2/2003"), #2/1/2003#, "British day first"
SetLocale 3082
CheckEq FormatDateTime(#3/15/2026#, vbLongDate), "domingo, 15 de marzo de 2026", "Spanish long date"
CheckEq CDate("15 de marzo de 2026"), #3/15/2026#, "Spanish date text"
SetLocale 1040
CheckEq FormatCurrency(1234.5), ChrW(&H20AC) & " 1.234,50", "Italian amount"
SetLocale 1043
CheckEq CStr(#3/5/2026#), "5-3-2026", "Dutch date"
CheckEq FormatCurrency(-2), ChrW(&H20AC) & " -2,00", "Dutch negative amount"

' Every other locale Windows knows, by LCID or by name, with the data of its language and country.
Dim moment : moment = #3/5/2024 2:07:09 PM#
CheckEq SetLocale(1049), CLng(1043), "Russian by LCID"
CheckEq CStr(1234.5), "1234,5", "Russian decimal comma"
CheckEq MonthName(3), ChrW(&H43C) & ChrW(&H430) & ChrW(&H440) & ChrW(&H442), "a Russian month alone"
CheckEq FormatDateTime(moment, vbLongDate), ChrW(&H432) & ChrW(&H442) & ChrW(&H43E) & ChrW(&H440) & ChrW(&H43D) & _
    ChrW(&H438) & ChrW(&H43A) & ", 5 " & ChrW(&H43C) & ChrW(&H430) & ChrW(&H440) & ChrW(&H442) & ChrW(&H430) & _
    " 2024 " & ChrW(&H433) & ".", "a Russian month inside a date"
CheckEq CDate("5 " & ChrW(&H43C) & ChrW(&H430) & ChrW(&H440) & ChrW(&H442) & ChrW(&H430) & " 2024"), #3/5/2024#, _
    "which reads back"
SetLocale "de-CH"
CheckEq GetLocale(), CLng(2055), "German (Switzerland) by name"
CheckEq CStr(1234.5), "1234.5", "Swiss decimal point"
CheckEq CStr(moment), "05.03.2024 14:07:09", "Swiss date and time"
CheckEq CDate(CStr(moment)), moment, "which reads back"
SetLocale "pt"
CheckEq GetLocale(), CLng(1046), "a language alone names its main country"
CheckEq FormatNumber(1234567.891), "1.234.567,89", "Brazilian groups"
CheckEq FormatDateTime(moment, vbLongDate), "ter" & ChrW(231) & "a-feira, 5 de mar" & ChrW(231) & "o de 2024", _
    "Brazilian long date"
CheckEq CDate("5 de mar" & ChrW(231) & "o de 2024"), #3/5/2024#, "Brazilian date text"
' What a locale writes, it reads back: words for the halves of the day (Korean, Chinese), times
' with points (Finnish) or words (French, Canada), abbreviated words between the parts (Bulgarian),
' other scripts.
Dim roundTrip
For Each roundTrip In Array("ko-KR", "zh-TW", "fi-FI", "fr-CA", "bg-BG", "ar-EG", "hi-IN", "el-GR", "uk-UA", "pt-PT", "en-IN")
    SetLocale roundTrip
    CheckEq CDate(CStr(moment)), moment, roundTrip & " date and time read back from " & CStr(moment)
    CheckEq CDbl(CStr(-1234.5)), -1234.5, roundTrip & " number read back"
    CheckEq CCur(FormatCurrency(-1234.5, 2)), CCur(-1234.5), roundTrip & " amount read back"
Next
SetLocale "ko-KR"
CheckEq FormatDateTime(moment, vbLongTime), ChrW(&HC624) & ChrW(&HD6C4) & " 2:07:09", "the Korean word for afternoon"
SetLocale "ja-JP"
CheckEq FormatCurrency(1234.5), ChrW(&HFFE5) & "1,235", "a yen amount has no decimals"
CheckEq FormatCurrency(1234.5, 2), ChrW(&HFFE5) & "1,234.50", "unless asked for"
CheckEq FormatNumber(1234.5), "1,234.50", "numbers keep two"
SetLocale "sr-Latn-RS"
CheckEq GetLocale(), CLng(&H241A), "a name with its script"
CheckEq SetLocale(2057), CLng(&H241A), "a built-in locale after one read from the data"
CheckEq CStr(#3/15/2026 2:30:05 PM#), "15/03/2026 14:30:05", "the built-in ones keep their own texts"
SetLocale 1043
CheckErr "SetLocale 12345", 447, "unknown LCID"
CheckErr "SetLocale ""xx-yy""", 447, "unknown locale name"
CheckErr "SetLocale Null", 94, "Null locale"
CheckEq GetLocale(), CLng(1043), "a refused locale changes nothing"
CheckEq SetLocale(0), CLng(1043), "SetLocale 0 returns the previous LCID"
CheckEq GetLocale(), CLng(1033), "SetLocale 0 restores the default"
SetLocale "de-de"
SetLocale ""
CheckEq CStr(1.5), "1.5", "SetLocale """" restores the default"
CheckEq FormatCurrency(-1), "($1.00)", "English (United States) amount"
Finish
