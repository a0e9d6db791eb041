// The two ways game files scramble their texts with a key number: decoding A for the project's
// procedures, decoding B for plug-in code. Both read Windows-1252 bytes: the first character is
// a salt, the others are read from the last to the second and shifted back by the key table.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace run {

// The key number of a project: the sum of the Windows-1252 codes of its registry name.
std::int32_t ProjectKeyNumber(std::string_view registryNameUtf8);

// Unscrambles one stored procedures line. Throws std::overflow_error when the arithmetic
// leaves 32 bits, as the classic reader fails.
std::string DecodeProceduresLine(std::string_view stored, std::int32_t key);

// Unscrambles one stored plug-in text (key 100 or 200 as the plug-in file says). Spaces and
// double quotes trade places around the shift, so a double quote of the stored text stays one.
// Throws std::overflow_error as DecodeProceduresLine does.
std::string DecodePluginCode(std::string_view stored, std::int32_t key);

} // namespace run
