// Parses arbitrary bytes as an INI file and edits it with input-chosen names and values:
// nothing may crash, and an accepted edit must read back after a save and reload.
#include "run/platform/files/IniFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::string value = input.ConsumeRandomLengthString(32);
    auto ini = run::platform::IniFile::parse(input.ConsumeRemainingBytesAsString());
    (void)ini.get(section, key);

    const std::string saved = ini.serialize();
    if (run::platform::IniFile::parse(saved).serialize() != saved) std::abort();

    try {
        ini.set(section, key, value);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    const auto reloaded = run::platform::IniFile::parse(ini.serialize());
    const auto back = reloaded.get(section, key);
    if (!back || *back != ini.get(section, key)) std::abort();
    if (ini.removeKey(section, key) && run::platform::IniFile::parse(ini.serialize()).get(section, key))
        std::abort();
    return 0;
}
