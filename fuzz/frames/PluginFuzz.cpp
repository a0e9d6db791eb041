// libFuzzer target for plug-in files: any bytes either fail to read with an error or give a
// plug-in whose lists are no longer than the file could hold.
#include "run/frames/Plugins.h"
#include "run/project/record/RecordFile.h"

#include <cstdint>
#include <exception>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        run::RecordReader r =
            run::RecordReader::fromBytes(std::string(reinterpret_cast<const char*>(data), size));
        const run::PluginRecord p = run::ReadPluginFile(r);
        if (p.integerVariables.size() + p.variantVariables.size() > size) __builtin_trap();
    } catch (const std::exception&) {
    }
    return 0;
}
