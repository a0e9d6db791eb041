// Fuzzes the lexer, parser and compiler: any input must give either a
// compiled unit or a syntax error, never a crash.
#include "vbscript/Interp.h"
#include "vbscript/Parser.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vbs::Unit unit;
    unit.source = vbs::fromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    try {
        vbs::parseUnit(unit);
    } catch (vbs::ScriptError& e) {
        if (!e.compile || e.number <= 0) __builtin_trap();
        return 0;
    }
    vbs::Interp rt(vbs::Config{});
    try {
        vbs::compileUnit(rt, unit, nullptr);
    } catch (vbs::ScriptError&) {
    }
    return 0;
}
