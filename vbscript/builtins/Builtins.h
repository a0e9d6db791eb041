#pragma once
// Built-in functions. Each group lives in its own file and contributes a
// table; findBuiltin() searches them all (names are matched lower-case).
#include "../Value.h"

#include <initializer_list>
#include <span>
#include <string_view>

namespace vbs {

class Interp;

using BuiltinFn = Value (*)(Interp& rt, std::span<Value> args);

struct BuiltinInfo {
    const char16_t* name; // lower case
    int minArgs;
    int maxArgs;
    BuiltinFn fn;
};

const BuiltinInfo* findBuiltin(std::u16string_view lowerName);
// An intrinsic constant (vbCrLf, vbString ...) or nullptr.
const Value* findConstant(std::u16string_view lowerName);

std::span<const BuiltinInfo> conversionBuiltins();
std::span<const BuiltinInfo> inspectionBuiltins();
std::span<const BuiltinInfo> stringBuiltins();
std::span<const BuiltinInfo> mathBuiltins();
std::span<const BuiltinInfo> arrayBuiltins();
std::span<const BuiltinInfo> dateTimeBuiltins();
std::span<const BuiltinInfo> scriptingBuiltins();
std::span<const BuiltinInfo> formatBuiltins();
std::span<const BuiltinInfo> byteStringBuiltins();
std::span<const BuiltinInfo> localeBuiltins();

// Helpers shared by the groups. Arguments arrive with Refs followed;
// objects are reduced to their default value only where a group asks.
Value argScalar(Interp& rt, std::span<Value> args, size_t i);
std::u16string argString(Interp& rt, std::span<Value> args, size_t i);
int32_t argLong(Interp& rt, std::span<Value> args, size_t i);
bool hasArg(std::span<Value> args, size_t i);
// The compare argument at i: absent or 0 binary, 1 text; anything else is error 5.
bool textCompare(Interp& rt, std::span<Value> args, size_t i);
// Error 94 when one of the listed arguments is Null. The classic built-ins
// refuse a Null where none may stand before they convert or check anything
// else; a Null they pass through becomes the result only after every other
// argument passed its checks.
void rejectNull(std::span<Value> args, std::initializer_list<size_t> which);

} // namespace vbs
