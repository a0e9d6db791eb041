// Fuzzes parse + run with a small step budget and memory limit: every
// input must end (success or a classic error) without crashing or hanging.
#include "vbscript/vbscript.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vbs::Config cfg;
    cfg.stepLimit = 20000;
    cfg.memoryLimit = 16u << 20;
    cfg.stackBytes = 256u << 10;
    vbs::Runtime rt(cfg);
    std::string_view code(reinterpret_cast<const char*>(data), size);
    if (!rt.addCode(code)) {
        const vbs::ErrorInfo& e = rt.lastError();
        if (e.number == 0) __builtin_trap();
    }
    return 0;
}
