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

// The error number a failure HRESULT stands for: the engine's own facility
// gives its low word, common system failures their classic numbers; any other
// number comes back unchanged.
int32_t errorFromHResult(int32_t hr);

// Err.Source of the engine's own errors.
inline constexpr std::u16string_view kRuntimeErrorSource = u"Microsoft VBScript runtime error";
inline constexpr std::u16string_view kCompileErrorSource = u"Microsoft VBScript compilation error";

struct ScriptError {
    int32_t number = 0;
    std::u16string description; // the classic text, as Err.Description gives it
    std::u16string source;
    std::u16string name; // what the error concerns: the host sees "Type mismatch: 'name'"
    std::u16string helpFile;
    int32_t helpContext = 0;
    int line = 0;   // 1-based; 0 = not yet known
    int column = 0; // 1-based
    bool compile = false;
    const Unit* unit = nullptr; // the source the line refers to
};

[[noreturn]] void throwError(Err e);
// Raises e about a name: Err.Description is the classic text, the host's
// message names it, as in "Type mismatch: 'x'".
[[noreturn]] void throwError(Err e, std::u16string_view detail);
[[noreturn]] void throwError(int32_t number, std::u16string description, std::u16string source);

} // namespace vbs
