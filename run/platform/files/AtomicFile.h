// Whole-file reads and crash-safe whole-file writes (temporary file, fsync, rename), so a
// failed or interrupted save never destroys the previous contents.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace run::platform {

// Writes `bytes` to a temporary file next to `file`, flushes it to disk and renames it
// over `file`. Missing parent folders are created. Returns "" on success, otherwise a
// readable error text naming the file; the previous file is then untouched.
std::string WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// The whole content of a regular file, or nullopt when it is missing, not a regular file
// or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

} // namespace run::platform
