' Dates and times: serial numbers, texts, parts, building, adding, differences.
Dim d
d = #1/2/2003 10:30:15 PM#

' ---- Serial numbers and the text of a date ----
CheckEq CDbl(#12/30/1899#), CDbl(0), "day zero"
CheckEq CDbl(#1/1/2000#), CDbl(36526), "1 Jan 2000"
CheckEq CDbl(#12/29/1899 6:00 AM#), -1.25, "before 1899 the fraction counts forward"
CheckEq CStr(CDate(-1.25)), "12/29/1899 6:00:00 AM", "negative serial text"
CheckEq Day(CDate(-1.25)), 29, "negative serial day"
CheckEq Hour(CDate(-1.25)), 6, "negative serial hour"
CheckEq Hour(CDate(-1.5)), 12, "negative serial noon"
CheckEq CStr(#1/2/2003#), "1/2/2003", "midnight shows the date only"
CheckEq CStr(#10:30:15 AM#), "10:30:15 AM", "day zero shows the time only"
CheckEq CStr(CDate(0)), "12:00:00 AM", "serial zero"
CheckEq CStr(CDate(0.5)), "12:00:00 PM", "noon of day zero"
CheckEq CStr(d), "1/2/2003 10:30:15 PM", "date and time"
CheckEq "on " & #1/2/2003#, "on 1/2/2003", "concatenation"
CheckEq CStr(CDate(0.99999999)), "12/31/1899", "a time rounding to midnight moves to the next day"
CheckEq Year(CDate(-657434)), 100, "first date"
CheckEq CStr(CDate(2958465)), "12/31/9999", "last date"
CheckErr "x = CDate(2958466)", 6, "after 9999"
CheckErr "x = CDate(-657435)", 6, "before 100"
CheckErr "x = CDate(""nonsense"")", 13, "not a date"

' ---- Parts ----
CheckEq Year(d), 2003, "Year"
CheckEq Month(d), 1, "Month"
CheckEq Day(d), 2, "Day"
CheckEq Hour(d), 22, "Hour"
CheckEq Minute(d), 30, "Minute"
CheckEq Second(d), 15, "Second"
CheckEq Weekday(d), 5, "a Thursday"
CheckEq Weekday(d, vbMonday), 4, "counted from Monday"
CheckEq Weekday(d, vbSaturday), 6, "counted from Saturday"
CheckEq Weekday(d, vbUseSystemDayOfWeek), 5, "system first day is Sunday"
CheckEq Year("1/2/2003"), 2003, "a date text"
CheckEq Year(Empty), 1899, "Empty is day zero"
CheckEq Year(Null), Null, "Null passes through"
CheckErr "x = Year(""abc"")", 13, "Year of text"
CheckErr "x = Weekday(#1/2/2003#, 8)", 5, "first day out of range"
' The first day is checked before a Null date passes through.
CheckErr "x = Weekday(Null, -1)", 5, "Null date, bad first day"
CheckErr "x = Weekday(Null, ""a"")", 13, "Null date, first day not a number"
' Points separate a date in the locale's order only: 15.03.2026 is no date here.
CheckErr "x = Day(""15.03.2026"")", 13, "day-first date with points"
CheckEq IsDate("15.03.2026"), False, "IsDate of a day-first date with points"

' ---- Names ----
CheckEq MonthName(1), "January", "MonthName"
CheckEq MonthName(12, True), "Dec", "MonthName abbreviated"
CheckEq WeekdayName(1), "Sunday", "WeekdayName"
CheckEq WeekdayName(7, True), "Sat", "WeekdayName abbreviated"
CheckEq WeekdayName(1, False, vbMonday), "Monday", "WeekdayName from Monday"
CheckEq WeekdayName(7, , vbMonday), "Sunday", "WeekdayName last from Monday"
CheckErr "x = MonthName(13)", 5, "month 13"
CheckErr "x = MonthName(0)", 5, "month 0"
CheckErr "x = WeekdayName(8)", 5, "weekday 8"
CheckErr "x = WeekdayName(1, False, 9)", 5, "first day 9"
CheckErr "x = MonthName(""a"", Null)", 94, "Null checked before the month"

' ---- DateSerial and TimeSerial ----
CheckEq DateSerial(2003, 1, 2), #1/2/2003#, "DateSerial"
CheckEq DateSerial(2003, 13, 1), #1/1/2004#, "month 13 rolls over"
CheckEq DateSerial(2003, 0, 1), #12/1/2002#, "month 0 is December before"
CheckEq DateSerial(2003, -11, 1), #1/1/2002#, "negative month"
CheckEq DateSerial(2003, 3, 0), #2/28/2003#, "day 0 is the last day before"
CheckEq DateSerial(2004, 3, 0), #2/29/2004#, "leap year"
CheckEq DateSerial(2003, 1, -1), #12/30/2002#, "negative day"
CheckEq DateSerial(2003, 1, 400), #2/4/2004#, "day 400"
CheckEq DateSerial(29, 1, 1), #1/1/2029#, "two-digit year 29"
CheckEq DateSerial(30, 1, 1), #1/1/1930#, "two-digit year 30"
CheckEq Year(DateSerial(99 + 1, 1, 1)), 100, "year 100 is a full year"
CheckEq TypeName(DateSerial(2003, 1, 2)), "Date", "DateSerial subtype"
CheckErr "x = DateSerial(10000, 1, 1)", 5, "year 10000"
CheckErr "x = DateSerial(9999, 12, 32)", 5, "past 9999 by days"
CheckErr "x = DateSerial(40000, 1, 1)", 6, "argument outside Integer"
CheckErr "x = DateSerial(Null, 1, 1)", 94, "Null argument"
CheckErr "x = DateSerial(""a"", Null, 1)", 94, "Null argument after a bad one"
CheckEq TimeSerial(10, 30, 15), #10:30:15 AM#, "TimeSerial"
CheckEq TimeSerial(0, 90, 0), #1:30:00 AM#, "minutes roll over"
CheckEq TimeSerial(12, -15, 0), #11:45:00 AM#, "negative minutes"
CheckEq CStr(TimeSerial(25, 0, 0)), "12/31/1899 1:00:00 AM", "past a day"
CheckEq CStr(TimeSerial(0, 0, -1)), "12/29/1899 11:59:59 PM", "before day zero"

' ---- DateValue and TimeValue ----
CheckEq DateValue("1/2/2003 10:30 PM"), #1/2/2003#, "DateValue drops the time"
CheckEq TimeValue("1/2/2003 10:30 PM"), #10:30:00 PM#, "TimeValue drops the date"
CheckEq DateValue(CDate(-1.25)), #12/29/1899#, "DateValue before 1899"
CheckEq TimeValue(CDate(-1.25)), #6:00:00 AM#, "TimeValue before 1899"
CheckErr "x = DateValue(Null)", 94, "DateValue refuses Null"
CheckErr "x = TimeValue(Null)", 94, "TimeValue refuses Null"
CheckErr "x = DateValue(12)", 13, "DateValue of a number"
CheckErr "x = DateValue(""12"")", 13, "DateValue of a numeric text"
CheckEq DateDiff("s", "2022/10/04", "1800/10/04"), -7005657600, "DateDiff past the Long range"
CheckEq DateDiff("s", "1800/10/04", "2022/10/04"), 7005657600, "DateDiff past the Long range, forwards"
CheckEq DateDiff("s", #1/1/2000#, #1/1/2001#), CLng(31622400), "DateDiff within the range is a Long"
CheckErr "x = DateValue(""nonsense"")", 13, "DateValue of text"

' ---- Date texts ----
CheckEq CDate("1/2/2003"), #1/2/2003#, "M/D/YYYY"
CheckEq CDate("January 2, 2003"), #1/2/2003#, "month name first"
CheckEq CDate("Jan 2, 2003"), #1/2/2003#, "short month name"
CheckEq CDate("2 Jan 2003"), #1/2/2003#, "day first"
CheckEq CDate("2-Jan-2003"), #1/2/2003#, "with dashes"
CheckEq CDate("Sept 5, 2003"), #9/5/2003#, "four-letter month"
CheckEq CDate("2003-01-02"), #1/2/2003#, "year first"
CheckEq CDate("2003/1/2"), #1/2/2003#, "year first with slashes"
CheckEq CDate("Jan 2003"), #1/1/2003#, "month and year"
CheckEq CDate("Thursday, January 02, 2003"), #1/2/2003#, "with the weekday"
CheckEq CDate("1/2/03"), #1/2/2003#, "two-digit year 03"
CheckEq CDate("1/2/30"), #1/2/1930#, "two-digit year 30"
CheckEq CDate("13/1/2003"), #1/13/2003#, "day and month swapped when the month cannot be"
CheckEq CDate("10:30"), #10:30:00 AM#, "time"
CheckEq CDate("10:30 PM"), #10:30:00 PM#, "time PM"
CheckEq CDate("10:30pm"), #10:30:00 PM#, "time pm without a blank"
CheckEq CDate("10 PM"), #10:00:00 PM#, "hour and PM"
CheckEq CDate("12:15 AM"), #12:15:00 AM#, "12 AM is midnight"
CheckEq Hour(CDate("12:15 AM")), 0, "12 AM hour"
CheckEq Hour(CDate("12:15 PM")), 12, "12 PM hour"
CheckEq CDate("1/2/2003 10:30:15 AM"), #1/2/2003 10:30:15 AM#, "date and time"
CheckEq CDate("10:30 1/2/2003"), #1/2/2003 10:30:00 AM#, "time before date"
CheckEq Month(CDate("3/4")), 3, "month and day of this year"
CheckEq Day(CDate("3/4")), 4, "day of this year"
CheckEq IsDate("2/29/2004"), True, "leap day"
CheckEq IsDate("2/29/2003"), False, "no leap day"
CheckEq IsDate("1/2/2003 25:00"), False, "hour 25"
CheckEq IsDate("10:60"), False, "minute 60"
CheckEq IsDate("13:00 PM"), False, "13 PM"
CheckEq IsDate("1/2/10000"), False, "year 10000"
CheckEq IsDate("1//2003"), False, "double separator"
CheckEq IsDate("Jax 2003"), False, "unknown word"
CheckEq IsDate("1.5"), False, "a decimal number"
CheckEq IsDate(""), False, "empty text"
CheckEq IsDate(#1/2/2003#), True, "a date"
CheckEq CDate(FormatDateTime(d, vbLongDate)), #1/2/2003#, "long date text reads back"
CheckEq CDate(CStr(d)), d, "general text reads back"

' ---- DateAdd ----
CheckEq DateAdd("m", 1, #1/31/2003#), #2/28/2003#, "month end clamps"
CheckEq DateAdd("m", 1, #1/31/2004#), #2/29/2004#, "month end clamps in a leap year"
CheckEq DateAdd("m", -1, #3/31/2003#), #2/28/2003#, "month back clamps"
CheckEq DateAdd("yyyy", 1, #2/29/2004#), #2/28/2005#, "leap day plus a year"
CheckEq DateAdd("q", 1, #1/31/2003#), #4/30/2003#, "quarter"
CheckEq DateAdd("m", 1, #1/15/2003 10:30 AM#), #2/15/2003 10:30 AM#, "months keep the time"
CheckEq DateAdd("d", 1, #12/31/2003#), #1/1/2004#, "day"
CheckEq DateAdd("y", 1, #12/31/2003#), #1/1/2004#, "day of year adds days"
CheckEq DateAdd("w", 1, #12/31/2003#), #1/1/2004#, "weekday adds days"
CheckEq DateAdd("ww", 1, #1/1/2003#), #1/8/2003#, "week"
CheckEq DateAdd("h", 1, #1/1/2003 11:00 PM#), #1/2/2003#, "hour past midnight"
CheckEq DateAdd("n", -1, #1/1/2003#), #12/31/2002 11:59 PM#, "minute back"
CheckEq DateAdd("s", 86400, #1/1/2003#), #1/2/2003#, "a day of seconds"
CheckEq DateAdd("d", 1.6, #1/1/2003#), #1/3/2003#, "count rounded"
CheckEq DateAdd("D", 1, "1/31/2003"), #2/1/2003#, "interval any case, date as text"
CheckEq CStr(DateAdd("h", 1, CDate(-1.25))), "12/29/1899 7:00:00 AM", "hours before 1899"
CheckEq CStr(DateAdd("d", 1, CDate(-1.25))), "6:00:00 AM", "a day onto day zero"
CheckEq DateAdd("d", 1, Null), Null, "Null date"
CheckErr "x = DateAdd(""x"", 1, #1/1/2003#)", 5, "unknown interval"
CheckErr "x = DateAdd(""yyyy"", -2000, #1/1/2003#)", 5, "before year 100"
CheckErr "x = DateAdd(""yyyy"", 8000, #1/1/2003#)", 5, "after 9999"
CheckErr "x = DateAdd(""d"", 1, #12/31/9999#)", 5, "a day after the last"
CheckErr "x = DateAdd(""m"", 1, #12/31/9999#)", 5, "a month after the last"
CheckErr "x = DateAdd(""s"", 1E+15, #1/1/2003#)", 5, "huge count"
CheckErr "x = DateAdd(""d"", 1, ""nonsense"")", 13, "date not a date"

' ---- DateDiff: boundaries crossed ----
CheckEq DateDiff("yyyy", #12/31/2002#, #1/1/2003#), CLng(1), "one day crosses a year"
CheckEq DateDiff("yyyy", #1/1/2003#, #12/31/2003#), CLng(0), "same year"
CheckEq DateDiff("q", #3/31/2003#, #4/1/2003#), CLng(1), "quarter"
CheckEq DateDiff("m", #1/31/2003#, #2/1/2003#), CLng(1), "month"
CheckEq DateDiff("m", #3/1/2003#, #1/31/2003#), CLng(-2), "months backwards"
CheckEq DateDiff("d", #1/1/2003 11:00 PM#, #1/2/2003 1:00 AM#), CLng(1), "day boundary"
CheckEq DateDiff("y", #1/2/2003#, #1/1/2003#), CLng(-1), "day backwards"
CheckEq DateDiff("h", #1/1/2003 10:59 AM#, #1/1/2003 11:00 AM#), CLng(1), "hour boundary"
CheckEq DateDiff("n", #10:00:59 AM#, #10:01:00 AM#), CLng(1), "minute boundary"
CheckEq DateDiff("s", #1/1/2003#, #1/2/2003#), CLng(86400), "seconds"
CheckEq DateDiff("h", CDate(-1.25), CDate(0.25)), CLng(24), "hours across day zero"
CheckEq DateDiff("w", #1/1/2003#, #1/7/2003#), CLng(0), "six days are no 7-day period"
CheckEq DateDiff("w", #1/1/2003#, #1/8/2003#), CLng(1), "seven days"
CheckEq DateDiff("w", #1/8/2003#, #1/1/2003#), CLng(-1), "seven days back"
CheckEq DateDiff("ww", #1/4/2003#, #1/5/2003#), CLng(1), "Saturday to Sunday crosses a week"
CheckEq DateDiff("ww", #1/5/2003#, #1/11/2003#), CLng(0), "Sunday to Saturday"
CheckEq DateDiff("ww", #1/4/2003#, #1/5/2003#, vbMonday), CLng(0), "weeks from Monday"
CheckEq DateDiff("ww", #1/5/2003#, #1/6/2003#, vbMonday), CLng(1), "Sunday to Monday"
CheckEq DateDiff("d", Null, #1/1/2003#), Null, "Null"
CheckEq DateDiff("s", #1/1/100#, #12/31/9999#), DateDiff("d", #1/1/100#, #12/31/9999#) * CDbl(86400), "seconds across the calendar"
CheckErr "x = DateDiff(""z"", #1/1/2003#, #1/1/2003#)", 5, "unknown interval"
CheckErr "x = DateDiff(""d"", #1/1/2003#, #1/1/2003#, 8)", 5, "first day 8"
CheckErr "x = DateDiff(""d"", #1/1/2003#, #1/1/2003#, 1, 4)", 5, "first week 4"

' ---- DatePart ----
CheckEq DatePart("yyyy", d), 2003, "year"
CheckEq DatePart("q", #5/1/2003#), 2, "quarter"
CheckEq DatePart("m", d), 1, "month"
CheckEq DatePart("y", #2/1/2003#), 32, "day of year"
CheckEq DatePart("y", #12/31/2004#), 366, "last day of a leap year"
CheckEq DatePart("d", d), 2, "day"
CheckEq DatePart("w", d), 5, "weekday"
CheckEq DatePart("w", d, vbMonday), 4, "weekday from Monday"
CheckEq DatePart("h", d), 22, "hour"
CheckEq DatePart("n", d), 30, "minute"
CheckEq DatePart("s", d), 15, "second"
CheckEq DatePart("ww", #1/1/2003#), 1, "week of 1 Jan"
CheckEq DatePart("ww", #1/5/2003#), 2, "first Sunday starts week 2"
CheckEq DatePart("ww", #12/31/2000#), 54, "a 54th week"
CheckEq DatePart("ww", #1/1/2005#, vbMonday, vbFirstFourDays), 53, "four-day rule: last week of the year before"
CheckEq DatePart("ww", #1/3/2005#, vbMonday, vbFirstFourDays), 1, "four-day rule: week 1"
CheckEq DatePart("ww", #12/30/2003#, vbMonday, vbFirstFourDays), 1, "four-day rule: week 1 starts in December"
CheckEq DatePart("ww", #12/28/2003#, vbMonday, vbFirstFourDays), 52, "four-day rule: the Sunday before"
CheckEq DatePart("ww", #12/31/2004#, vbMonday, vbFirstFourDays), 53, "four-day rule: a 53-week year"
CheckEq DatePart("ww", #1/4/2003#, vbSunday, vbFirstFullWeek), 52, "full-week rule: last week of 2002"
CheckEq DatePart("ww", #1/5/2003#, vbSunday, vbFirstFullWeek), 1, "full-week rule: week 1"
CheckEq DatePart("ww", #1/12/2003#, vbSunday, vbFirstFullWeek), 2, "full-week rule: week 2"
CheckEq DatePart("ww", #1/5/2003#, 0, 0), 2, "system defaults"
CheckEq DatePart("d", Null), Null, "Null"
CheckErr "x = DatePart(""x"", #1/1/2003#)", 5, "unknown interval"
CheckErr "x = DatePart(""ww"", #1/1/2003#, 1, 4)", 5, "first week 4"

' ---- The clock: relations only ----
CheckEq TypeName(Now), "Date", "Now"
CheckEq TypeName(Date), "Date", "Date"
CheckEq TypeName(Time), "Date", "Time"
CheckEq TypeName(Timer), "Single", "Timer"
Check CDbl(Date) = Int(CDbl(Date)), "Date has no time"
Check CDbl(Time) >= 0 And CDbl(Time) < 1, "Time has no date"
Check Timer >= 0 And Timer < 86400, "Timer counts seconds of a day"
Check DateDiff("d", Date, Now) >= 0 And DateDiff("d", Date, Now) <= 1, "Now is today"
Check Second(Now) = CDbl(Second(Now)), "Now has whole seconds"

' ---- Every day of the range: calendar and serial agree ----
Dim k, dd, calendarBad
calendarBad = 0
For k = -657434 To 2958465 Step 9973
    dd = CDate(k)
    If DateSerial(Year(dd), Month(dd), Day(dd)) <> dd Then calendarBad = calendarBad + 1
    If DateDiff("d", #12/30/1899#, dd) <> k Then calendarBad = calendarBad + 1
    If DateAdd("d", k, #12/30/1899#) <> dd Then calendarBad = calendarBad + 1
    If DateSerial(Year(dd), 1, 1) + DatePart("y", dd) - 1 <> dd Then calendarBad = calendarBad + 1
    If CDate(CStr(dd)) <> dd Then calendarBad = calendarBad + 1
Next
CheckEq calendarBad, 0, "calendar and serials agree across the range"

' ---- Any text: a date that reads back, or error 13 ----
Function DateErr(text)
    Dim v
    On Error Resume Next
    v = CDate(text)
    DateErr = Err.Number
End Function

Dim seed, pieces, i, j, s, e, textBad, dates
pieces = Split("1|12|2003|99|0|31|29|2|13|100000|Jan|february|Thu|/|/|-|:|:| | |AM|pm|,|.|#|x", "|")
seed = 12345
textBad = 0
dates = 0
For i = 1 To 3000
    s = ""
    For j = 1 To 1 + (i Mod 9)
        seed = (seed * 171 + 11213) Mod 53125
        s = s & pieces(seed Mod (UBound(pieces) + 1))
    Next
    e = DateErr(s)
    If IsDate(s) Then
        dates = dates + 1
        If e <> 0 Then
            textBad = textBad + 1
        ElseIf CDate(CStr(CDate(s))) <> CDate(s) Then
            textBad = textBad + 1
        End If
    ElseIf e <> 13 And Not IsNumeric(s) Then
        textBad = textBad + 1
    End If
Next
CheckEq textBad, 0, "random texts are dates or error 13"
Check dates > 50, "random texts include dates"

' The date range holds for numbers, numeric texts and arithmetic alike.
CheckEq Year(CDate(-657434.5)), 100, "noon of 1 Jan 100 is a date"
CheckErr "x = CDate(""1e10"")", 6, "a numeric text far out of range"
CheckErr "x = CDate(-657435)", 6, "the day before 1 Jan 100"
CheckErr "x = #12/31/9999# + 1", 6, "past 31 Dec 9999"

Finish
