// Windows-1252 <-> UTF-8 conversion and the Windows-style case folding used to compare
// names from game files (which hold Windows-1252 text, kept as UTF-8 in memory).
#pragma once

#include <string>
#include <string_view>

namespace run::platform {

// Every byte maps to one code point; the five bytes Windows-1252 leaves undefined
// (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 controls of the same value, so any byte
// string survives a round trip through UTF-8.
std::string Cp1252ToUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1252. Returns false when the UTF-8 is malformed or a
// character has no Windows-1252 form; `out` then holds a best effort with '?' in place
// of each such character.
bool Utf8ToCp1252(std::string_view utf8, std::string& out);
std::string Utf8ToCp1252Lossy(std::string_view utf8);

// The length of the well-formed UTF-8 character at `i` (1 for ASCII); 0 when none starts there.
std::size_t Utf8CharLength(std::string_view bytes, std::size_t i);
// The text with every byte that is no part of well-formed UTF-8 read as Windows-1252, as game
// files and the names of files copied from them are: always well-formed UTF-8.
std::string RepairUtf8(std::string_view bytes);

// True when the UTF-8 text can be converted to Windows-1252 without loss.
bool IsCp1252Representable(std::string_view utf8);
// The text without the blanks (spaces) at either end.
std::string TrimBlanks(std::string_view text);

// Lower-cases ASCII and the Windows-1252 letters (Latin-1 plus Š Œ Ž Ÿ); other
// characters and malformed bytes pass through unchanged.
std::string LowerCaseWin(std::string_view utf8);

// Case-insensitive equality with the folding of LowerCaseWin, without allocating.
bool EqualsNoCase(std::string_view a, std::string_view b);

} // namespace run::platform
