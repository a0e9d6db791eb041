#pragma once
// TextStream: a text file opened for reading (decoded whole on opening),
// writing or appending; ASCII files are Windows-1252, Unicode files UTF-16LE
// with a byte-order mark.
#include "../Object.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vbs {

class Interp;

namespace files {

enum IoMode { ForReading = 1, ForWriting = 2, ForAppending = 8 };
enum class Create { Never, IfMissing, Always, New }; // New: fail when it exists

// Opens a resolved, already allowed path. format: 0 ASCII, -1 Unicode,
// -2 system default (ASCII). Raises the classic errors.
Object* openTextStream(Interp& rt, const std::filesystem::path& resolved, int ioMode, Create create,
                       int format);

// Windows-1252 <-> UTF-16. encode1252 returns false for a character the
// code page cannot hold.
std::u16string decode1252(std::string_view bytes);
bool encode1252(std::u16string_view text, std::string& out);

} // namespace files
} // namespace vbs
