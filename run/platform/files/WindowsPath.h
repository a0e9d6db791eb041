// Resolves the Windows-style paths games store (backslashes, any letter case) to files
// that exist on a case-sensitive Linux file system.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace run::platform {

// Resolves `path` ('\\' or '/' separators; relative to the current folder unless it starts
// with a separator) component by component. An exact name is preferred; otherwise the
// first name, in sorted order, that matches ignoring case (EqualsNoCase) is taken.
// Returns the real existing path, or nullopt when any component is missing.
std::optional<std::filesystem::path> FindPathNoCase(const std::string& path);

// As above, with `relative` resolved inside `base` (which itself is taken literally).
std::optional<std::filesystem::path> FindPathNoCase(const std::filesystem::path& base,
                                                    const std::string& relative);

// The non-empty components of a path with '\\' or '/' separators, in order; views into `path`.
std::vector<std::string_view> SplitWindowsPath(std::string_view path);

// Replaces every '\\' with '/'.
std::string ToNativeSeparators(std::string path);

// True for a non-empty relative name that stays inside its folder: no ".." component,
// no leading separator, no drive letter or other ':' and no NUL byte.
bool IsSafeRelativeName(std::string_view name);

} // namespace run::platform
