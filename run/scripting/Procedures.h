// The project procedures file (Config/Procedures): three header lines, then the procedures,
// stored as they are or scrambled line by line with the project's key number.
#pragma once

#include "run/project/record/Scrambling.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace run {

// The procedures text (UTF-8, lines joined by CRLF) of a procedures file's bytes. Throws
// RecordError EndOfFile when the file ends within its header or right after it, and
// std::overflow_error from decoding.
std::string ReadProceduresText(std::string_view fileBytes, bool scrambled, std::int32_t key);

} // namespace run
