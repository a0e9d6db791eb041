// The scrambling that authoring tools apply to a project's procedures file, the inverse of the
// player's reading: tests round-trip whole files through it and the demo maker writes its
// procedures with it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace run::testing {

// One line (Windows-1252 bytes) scrambled with the project key number; `salt` is any
// character from '!' on: it becomes the first character. The scheme has 94 codes for the 95
// characters from space to '~': a '~' reads back as a space.
std::string ScrambleProceduresLine(std::string_view plain, std::int32_t key, char salt = 'K');
// Scrambles a plug-in text (Windows-1252 bytes) as plug-in files store it: the reverse of
// decoding B.
std::string ScramblePluginCode(std::string_view plain, std::int32_t key, char salt = 'K');

// A whole procedures file: three header lines, then the text's lines (UTF-8, CRLF or LF line
// ends), scrambled when `key` is given (>= 0), in Windows-1252.
std::string ProceduresFileBytes(std::string_view text, std::int32_t key = -1);

} // namespace run::testing
