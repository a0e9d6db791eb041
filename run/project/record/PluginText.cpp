#include "run/project/record/PluginText.h"

namespace run {

std::string DecodePluginText(const std::string& stored) {
    std::string out;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        // Character 254 is "þ" in the file's code page, two bytes in UTF-8.
        if (stored.compare(i, 2, "\xC3\xBE") == 0) {
            out += "\"\"";
            ++i;
        } else if (stored[i] == '~' || stored[i] == '"') {
            out += "\"\"";
        } else {
            out += stored[i];
        }
    }
    return out;
}

} // namespace run
