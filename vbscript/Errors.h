#pragma once
// Error numbers and the internal exception that carries a script error up to
// the nearest handler (On Error Resume Next or the public API boundary).
#include <cstdint>
#include <string>
#include <string_view>

namespace vbs {

struct Unit;

enum class Err : int32_t {
#define VBS_ERROR(num, name, text) name = num,
#include "ErrorTable.h"
#undef VBS_ERROR
};

// The classic text for an error number; empty view when the number is unknown.
std::u16string_view errorText(int32_t number);

// HRESULT-style number the Err object reports for our own errors.
inline int32_t errorHResult(int32_t number) {
    return number > 0 && number < 65536 ? int32_t(0x800A0000u | uint32_t(number)) : number;
}

struct ScriptError {
    int32_t number = 0;
    std::u16string description;
    std::u16string source;
    int line = 0;   // 1-based; 0 = not yet known
    int column = 0; // 1-based
    bool compile = false;
    const Unit* unit = nullptr; // the source the line refers to
};

[[noreturn]] void throwError(Err e);
// Raises e with the name the error concerns appended, as in "Type mismatch: 'x'".
[[noreturn]] void throwError(Err e, std::u16string_view detail);
[[noreturn]] void throwError(int32_t number, std::u16string description, std::u16string source);

} // namespace vbs
