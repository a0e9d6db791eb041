' A script file without a byte-order mark that is not valid UTF-8 is read as Windows-1252,
' one byte a character (this file is in that encoding).
Dim text
text = "cafÈ Ä ñ Å"
CheckEq Len(text), CLng(10), "one character a byte"
CheckEq AscW(Mid(text, 4, 1)), 233, "0xE9 is e acute"
CheckEq AscW(Mid(text, 6, 1)), &H20AC, "0x80 is the euro sign"
CheckEq AscW(Mid(text, 8, 1)), &H2013, "0x96 is the en dash"
CheckEq AscW(Mid(text, 10, 1)), &H81, "an undefined byte stands for itself"
Finish
