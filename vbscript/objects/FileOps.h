#pragma once
// Copying, moving and deleting files and folders for FileSystemObject, File
// and Folder. Paths given as fs::path are resolved and allowed already;
// script paths (std::u16string_view) are resolved here.
#include <filesystem>
#include <string_view>
#include <vector>

namespace vbs {

class Interp;

namespace files {

namespace fs = std::filesystem;

// The files (or folders) a script path names; a "*" / "?" pattern in the last
// component expands inside its folder, leaving out entries the policy refuses.
// None found raises 53 for files, 76 for folders.
std::vector<fs::path> expand(Interp& rt, std::u16string_view spec, bool folders, bool write,
                             bool* wild = nullptr);

// Where src goes when the script names dst: a trailing separator means "into
// that existing folder"; intoFolder forces that reading (wildcard sources).
fs::path destination(Interp& rt, const fs::path& src, std::u16string_view dst, bool intoFolder);

void copyFile(Interp& rt, const fs::path& src, const fs::path& dst, bool overwrite);
void copyFolder(Interp& rt, const fs::path& src, const fs::path& dst, bool overwrite);
// Renames, or copies and deletes across file systems; an existing dst is 58.
void moveEntry(Interp& rt, const fs::path& src, const fs::path& dst);
void deleteFile(const fs::path& p, bool force);
// Removes a folder and everything in it, after checking all of it may go.
void deleteFolder(Interp& rt, const fs::path& p, bool force);

bool isReadOnly(const fs::path& p);
bool isFolder(const fs::path& p);
bool isFile(const fs::path& p);
bool endsWithSeparator(std::u16string_view s);

} // namespace files
} // namespace vbs
