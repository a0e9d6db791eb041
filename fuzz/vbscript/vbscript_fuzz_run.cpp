// Fuzzes parse + run with a small step budget, a time-out and a memory
// limit: every input must end (success or a classic error) without crashing
// or hanging. File objects work inside a scratch folder of their own and
// nowhere else, so random scripts cannot touch the machine's files.
#include "vbscript/vbscript.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

const std::string& sandbox() {
    static const std::string dir = [] {
        std::string templ = (std::filesystem::temp_directory_path() / "vbs-fuzz-XXXXXX").string();
        const char* made = mkdtemp(templ.data());
        return std::string(made ? made : "/nonexistent-vbs-fuzz");
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vbs::Config cfg;
    cfg.stepLimit = 20000;
    cfg.timeoutMs = 2000; // a pathological regular expression has no loop steps to count
    cfg.memoryLimit = 16u << 20;
    cfg.stackBytes = 256u << 10;
    // Every path lands in the scratch folder, whatever the script names.
    cfg.mapPath = [](std::u16string_view p) {
        std::string name;
        for (char16_t c : p)
            name += (c == u'\\' || c == u':') ? '/' : c < 128 ? char(c) : '_';
        return sandbox() + "/" + name;
    };
    cfg.fileAccess = vbs::allowFolders({sandbox()}, {});
    vbs::Runtime rt(cfg);
    std::string_view code(reinterpret_cast<const char*>(data), size);
    if (!rt.addCode(code)) {
        const vbs::ErrorInfo& e = rt.lastError();
        if (e.number == 0) __builtin_trap();
    }
    return 0;
}
