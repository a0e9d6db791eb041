' Scripting.FileSystemObject, TextStream, File and Folder, in a scratch
' folder under the temporary folder that is removed at the end.
Const ForReading = 1, ForWriting = 2, ForAppending = 8
Dim fso, tmp, base, ts, f, fo, s, n, item
Set fso = CreateObject("Scripting.FileSystemObject")
CheckEq TypeName(fso), "FileSystemObject", "TypeName"

' ---- path texts, Windows rules, nothing touched ----
CheckEq fso.BuildPath("C:\a", "b.txt"), "C:\a\b.txt", "BuildPath adds a separator"
CheckEq fso.BuildPath("C:\a\", "b.txt"), "C:\a\b.txt", "BuildPath keeps one separator"
CheckEq fso.BuildPath("C:\a\", "\b.txt"), "C:\a\b.txt", "BuildPath drops a doubled separator"
CheckEq fso.BuildPath("C:", "b.txt"), "C:b.txt", "BuildPath after a bare drive"
CheckEq fso.BuildPath("", "b.txt"), "b.txt", "BuildPath with no folder"
CheckEq fso.GetFileName("C:\a\b.txt"), "b.txt", "GetFileName"
CheckEq fso.GetFileName("C:\a\b\"), "b", "GetFileName ignores a trailing separator"
CheckEq fso.GetFileName("C:\"), "", "GetFileName of a root"
CheckEq fso.GetFileName("x/y.dat"), "y.dat", "GetFileName with slashes"
CheckEq fso.GetBaseName("C:\a\b.tar.gz"), "b.tar", "GetBaseName strips the last extension"
CheckEq fso.GetBaseName("C:\a\noext"), "noext", "GetBaseName without an extension"
CheckEq fso.GetExtensionName("C:\a\b.tar.GZ"), "GZ", "GetExtensionName"
CheckEq fso.GetExtensionName("C:\a.b\c"), "", "a dot in a folder is no extension"
CheckEq fso.GetParentFolderName("C:\a\b\c.txt"), "C:\a\b", "GetParentFolderName"
CheckEq fso.GetParentFolderName("C:\a"), "C:\", "the parent of a top folder is the root"
CheckEq fso.GetParentFolderName("C:\"), "", "a root has no parent"
CheckEq fso.GetParentFolderName("name.txt"), "", "a bare name has no parent"
CheckEq fso.GetDriveName("C:\a\b"), "C:", "GetDriveName"
CheckEq fso.GetDriveName("\\server\share\a"), "\\server\share", "GetDriveName of a share"
CheckEq fso.GetDriveName("a\b"), "", "no drive"
s = fso.GetTempName
Check Len(s) = 12 And Left(s, 3) = "rad" And Right(s, 4) = ".tmp", "GetTempName: " & s
CheckEq fso.GetBaseName(fso.GetAbsolutePathName("sub\..\x.txt")), "x", "GetAbsolutePathName normalises"

' ---- scratch folder ----
Set tmp = fso.GetSpecialFolder(2)
CheckEq TypeName(tmp), "Folder", "GetSpecialFolder(2) is a Folder"
base = fso.GetAbsolutePathName(fso.BuildPath(tmp.Path, fso.GetTempName))
Check Not fso.FolderExists(base), "the scratch folder is new"
Set fo = fso.CreateFolder(base)
Check fso.FolderExists(base), "CreateFolder made it"
CheckEq fo.Path, base, "Folder.Path"
CheckEq fo.Path, CStr(fo), "Path is the default member"
CheckErr "fso.CreateFolder base", 58, "creating an existing folder"
CheckErr "fso.CreateFolder fso.BuildPath(base, ""no\such"")", 76, "creating under a missing folder"

' ---- writing and reading ASCII ----
Dim p1
p1 = fso.BuildPath(base, "one.txt")
Set ts = fso.CreateTextFile(p1)
CheckEq TypeName(ts), "TextStream", "CreateTextFile gives a TextStream"
ts.Write "Hello"
CheckEq ts.Column, CLng(6), "Column after Write"
ts.WriteLine ", world"
CheckEq ts.Line, CLng(2), "Line after WriteLine"
CheckEq ts.Column, CLng(1), "Column after WriteLine"
ts.WriteBlankLines 2
ts.WriteLine "last"
CheckErr "x = ts.ReadLine", 54, "reading a stream opened for writing"
ts.Close
Check fso.FileExists(p1), "the file exists"
Check Not fso.FileExists(base), "a folder is not a file"
Check Not fso.FolderExists(p1), "a file is not a folder"
Check Not fso.FileExists(""), "an empty name is no file"
CheckEq fso.GetFile(p1).Size, CLng(24), "twelve characters and six CRLFs"

Set ts = fso.OpenTextFile(p1)
Check Not ts.AtEndOfStream, "not at the end yet"
CheckEq ts.Read(5), "Hello", "Read(n)"
CheckEq ts.Column, CLng(6), "Column after Read"
CheckEq ts.ReadLine, ", world", "ReadLine drops the CRLF"
CheckEq ts.Line, CLng(2), "Line after ReadLine"
Check ts.AtEndOfLine, "a blank line starts at its end"
ts.SkipLine
CheckEq ts.ReadLine, "", "a blank line reads empty"
ts.Skip 2
CheckEq ts.ReadAll, "st" & vbCrLf, "ReadAll takes the rest"
Check ts.AtEndOfStream, "at the end"
CheckErr "x = ts.ReadLine", 62, "ReadLine past the end"
CheckErr "x = ts.Read(1)", 62, "Read past the end"
CheckErr "x = ts.ReadAll", 62, "ReadAll at the end"
CheckErr "ts.Write ""x""", 54, "writing a stream opened for reading"
ts.Close

' Appending, and lines ending in LF only.
Set ts = fso.OpenTextFile(p1, ForAppending)
ts.Write "a" & vbLf & "b"
ts.Close
Set ts = fso.OpenTextFile(p1, ForReading)
n = 0
Do Until ts.AtEndOfStream
    s = ts.ReadLine
    n = n + 1
Loop
ts.Close
CheckEq n, 6, "six lines after appending"
CheckEq s, "b", "the last line has no line end"

' ForWriting replaces; a missing file needs create.
Set ts = fso.OpenTextFile(p1, ForWriting)
ts.Write "new"
ts.Close
CheckEq fso.OpenTextFile(p1).ReadAll, "new", "ForWriting truncates"
Dim p2
p2 = fso.BuildPath(base, "two.txt")
CheckErr "Set ts = fso.OpenTextFile(p2)", 53, "reading a missing file"
CheckErr "Set ts = fso.OpenTextFile(p2, ForWriting)", 53, "writing a missing file without create"
CheckErr "Set ts = fso.OpenTextFile(fso.BuildPath(base, ""no\x.txt""), ForWriting, True)", 76, "a missing folder"
CheckErr "Set ts = fso.OpenTextFile(p1, 3)", 5, "a bad I/O mode"
Set ts = fso.OpenTextFile(p2, ForAppending, True)
ts.WriteLine "made"
ts.Close
Check fso.FileExists(p2), "create made the file"
CheckErr "Set ts = fso.CreateTextFile(p2, False)", 58, "CreateTextFile without overwrite"
CheckErr "Set ts = fso.OpenTextFile(base)", 70, "opening a folder as a file"
Set ts = fso.OpenTextFile(fso.BuildPath(base, "empty.txt"), ForReading, True)
Check ts.AtEndOfStream, "a created empty file is at its end"
CheckErr "x = ts.ReadAll", 62, "ReadAll of an empty file"
ts.Close

' Windows-1252 and UTF-16.
Set ts = fso.CreateTextFile(p1, True)
ts.Write "caf" & ChrW(233) & " " & ChrW(8364) & ChrW(8482)
CheckErr "ts.Write ChrW(&H3A9)", 5, "a character ASCII cannot hold"
ts.Close
CheckEq fso.GetFile(p1).Size, CLng(7), "one byte a character in ASCII"
Set ts = fso.OpenTextFile(p1)
CheckEq ts.ReadAll, "caf" & ChrW(233) & " " & ChrW(8364) & ChrW(8482), "1252 read back"
ts.Close
Set ts = fso.CreateTextFile(p1, True, True)
ts.WriteLine ChrW(&H3A9) & "mega"
ts.Close
CheckEq fso.GetFile(p1).Size, CLng(16), "a BOM and two bytes a character"
Set ts = fso.OpenTextFile(p1, ForReading, False, -1)
CheckEq ts.ReadLine, ChrW(&H3A9) & "mega", "UTF-16 read back without its BOM"
ts.Close
Set ts = fso.OpenTextFile(p1, ForAppending, False, -1)
ts.Write "z"
ts.Close
CheckEq fso.GetFile(p1).Size, CLng(18), "appending adds no second BOM"
Set ts = fso.OpenTextFile(p1, ForReading, False, 0)
CheckEq AscW(ts.Read(1)), 255, "read as ASCII, the BOM is two characters"
ts.Close

' ---- File ----
Set f = fso.GetFile(p2)
CheckEq TypeName(f), "File", "GetFile"
CheckEq f.Name, "two.txt", "File.Name"
CheckEq f.Path, fso.GetAbsolutePathName(p2), "File.Path"
CheckEq f.ParentFolder.Path, base, "File.ParentFolder"
CheckEq f.Type, "Text Document", "File.Type"
CheckEq f.Attributes And 1, CLng(0), "not read-only"
CheckEq VarType(f.DateLastModified), vbDate, "dates are Dates"
Check Year(f.DateLastModified) >= 2000, "a plausible year"
CheckErr "Set f = fso.GetFile(fso.BuildPath(base, ""none.txt""))", 53, "GetFile of a missing file"
CheckErr "Set f = fso.GetFile(base)", 53, "GetFile of a folder"
f.Name = "three.txt"
Check fso.FileExists(fso.BuildPath(base, "three.txt")), "renamed by Name"
Check Not fso.FileExists(p2), "the old name is gone"
CheckEq f.Name, "three.txt", "the object follows the rename"
CheckErr "f.Name = ""one.txt""", 58, "renaming onto an existing file"
CheckErr "f.Name = ""a\b""", 5, "a name with a separator"
Set ts = f.OpenAsTextStream(ForReading)
CheckEq ts.ReadLine, "made", "OpenAsTextStream"
ts.Close
f.Copy fso.BuildPath(base, "copy.txt")
Check fso.FileExists(fso.BuildPath(base, "copy.txt")), "File.Copy"
f.Attributes = 1
CheckEq f.Attributes And 1, CLng(1), "read-only set"
CheckErr "f.Delete", 70, "deleting a read-only file without force"
f.Delete True
Check Not fso.FileExists(fso.BuildPath(base, "three.txt")), "deleted with force"

' ---- Folder, Files, SubFolders ----
fso.CreateFolder fso.BuildPath(base, "sub")
fso.CreateFolder fso.BuildPath(base, "sub\deeper")
fso.CreateTextFile(fso.BuildPath(base, "sub\inner.txt")).Write "12345"
fso.CreateTextFile(fso.BuildPath(base, "sub\deeper\x.log")).Write "123"
Set fo = fso.GetFolder(base)
CheckEq fo.Name, fso.GetFileName(base), "Folder.Name"
CheckEq fo.Files.Count, CLng(3), "Files.Count: one, copy, empty"
CheckEq fo.SubFolders.Count, CLng(1), "SubFolders.Count"
s = ""
For Each item In fo.Files
    s = s & item.Name & ","
Next
CheckEq s, "copy.txt,empty.txt,one.txt,", "For Each over Files, in name order"
For Each item In fo.SubFolders
    CheckEq item.Name, "sub", "For Each over SubFolders"
Next
CheckEq fo.Files("one.txt").Name, "one.txt", "Files.Item by name"
CheckEq fo.SubFolders.Item("sub").Files.Count, CLng(1), "a sub folder's files"
CheckErr "Set x = fo.Files(""none.txt"")", 53, "a missing name in Files"
CheckEq fso.GetFolder(fso.BuildPath(base, "sub")).Size, CLng(8), "Folder.Size sums the tree"
CheckEq fo.Type, "File folder", "Folder.Type"
CheckEq fo.Attributes And 16, CLng(16), "the Directory attribute"
Check Not fo.IsRootFolder, "not a root"
CheckErr "Set x = fso.GetFolder(fso.BuildPath(base, ""none""))", 76, "GetFolder of a missing folder"
fo.CreateTextFile("made.txt").WriteLine "by the folder"
Check fso.FileExists(fso.BuildPath(base, "made.txt")), "Folder.CreateTextFile"

' ---- wildcards, copy, move, delete ----
fso.CopyFile fso.BuildPath(base, "*.txt"), fso.BuildPath(base, "sub") & "\"
CheckEq fso.GetFolder(fso.BuildPath(base, "sub")).Files.Count, CLng(5), "CopyFile with a wildcard"
CheckErr "fso.CopyFile fso.BuildPath(base, ""one.txt""), fso.BuildPath(base, ""copy.txt""), False", 58, "CopyFile without overwrite"
CheckErr "fso.CopyFile fso.BuildPath(base, ""one.txt""), fso.BuildPath(base, ""sub"")", 70, "copying onto a folder name"
CheckErr "fso.CopyFile fso.BuildPath(base, ""*.none""), base & ""\sub\""", 53, "a wildcard matching nothing"
fso.MoveFile fso.BuildPath(base, "copy.txt"), fso.BuildPath(base, "moved.txt")
Check fso.FileExists(fso.BuildPath(base, "moved.txt")), "MoveFile"
Check Not fso.FileExists(fso.BuildPath(base, "copy.txt")), "MoveFile took the source"
CheckErr "fso.MoveFile fso.BuildPath(base, ""moved.txt""), fso.BuildPath(base, ""one.txt"")", 58, "MoveFile onto an existing file"
fso.CopyFolder fso.BuildPath(base, "sub"), fso.BuildPath(base, "sub2")
CheckEq fso.GetFolder(fso.BuildPath(base, "sub2")).Files.Count, CLng(5), "CopyFolder copies the files"
Check fso.FileExists(fso.BuildPath(base, "sub2\deeper\x.log")), "CopyFolder copies the tree"
CheckErr "fso.CopyFolder fso.BuildPath(base, ""sub""), fso.BuildPath(base, ""sub\in"")", 70, "a copy into itself"
fso.MoveFolder fso.BuildPath(base, "sub2"), fso.BuildPath(base, "sub3")
Check fso.FolderExists(fso.BuildPath(base, "sub3")) And Not fso.FolderExists(fso.BuildPath(base, "sub2")), "MoveFolder"
fso.DeleteFile fso.BuildPath(base, "sub3\*.txt")
CheckEq fso.GetFolder(fso.BuildPath(base, "sub3")).Files.Count, CLng(0), "DeleteFile with a wildcard"
CheckErr "fso.DeleteFile fso.BuildPath(base, ""sub3\*.txt"")", 53, "nothing left to delete"
CheckErr "fso.DeleteFile fso.BuildPath(base, ""none.txt"")", 53, "deleting a missing file"
fso.DeleteFolder fso.BuildPath(base, "sub*")
CheckEq fo.SubFolders.Count, CLng(0), "DeleteFolder with a wildcard"
CheckErr "fso.DeleteFolder fso.BuildPath(base, ""none"")", 76, "deleting a missing folder"

' ---- drives ----
Set item = fso.GetDrive(fso.GetDriveName(base) & "\")
Check Not (item Is Nothing), "GetDrive"
CheckEq fso.DriveExists("Q:"), fso.FolderExists("Q:\"), "a drive exists when its root does"

' ---- objects outlive what they describe ----
Set f = fso.GetFile(fso.BuildPath(base, "one.txt"))
fso.DeleteFile f.Path
CheckErr "x = f.Size", 53, "a deleted file's File object"

' ---- wrong use: classic errors, the script goes on ----
CheckErr "x = fso.FileExists()", 450, "a missing argument"
CheckErr "x = fso.BuildPath(""a"")", 450, "BuildPath needs two"
CheckErr "x = fso.GetFile(Null)", 94, "a Null path"
CheckErr "x = fso.GetFile(Array(1))", 13, "an array as a path"
CheckErr "x = fso.GetFile("""")", 5, "an empty path"
CheckErr "x = fso.GetFile(""a"" & Chr(0) & ""b"")", 52, "a NUL in a path"
CheckErr "x = fso.GetSpecialFolder(7)", 5, "an unknown special folder"
CheckErr "Set ts = fso.OpenTextFile(fso.BuildPath(base, ""made.txt""), 1, False, 5)", 5, "an unknown format"
CheckErr "fso.Nonsense", 438, "an unknown member"
CheckErr "fso.FileExists(""x"") = 1", 450, "assigning to a method"
Set ts = fso.OpenTextFile(fso.BuildPath(base, "made.txt"))
CheckErr "x = ts.Read(-1)", 5, "a negative Read"
CheckErr "ts.Skip -1", 5, "a negative Skip"
ts.Close
CheckErr "x = ts.ReadLine", 52, "a closed stream"
Set ts = fso.CreateTextFile(fso.BuildPath(base, "w.txt"))
CheckErr "ts.WriteBlankLines -1", 5, "negative blank lines"
CheckErr "x = ts.AtEndOfStream", 54, "AtEndOfStream of a writing stream"
ts.Close

' ---- clean up ----
fso.DeleteFolder base
Check Not fso.FolderExists(base), "scratch folder removed"
CheckErr "x = fo.Files.Count", 76, "a deleted folder's listing"

Finish
