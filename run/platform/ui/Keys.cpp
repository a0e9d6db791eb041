// Key names for play scripts and tests.
#include "run/platform/ui/Keys.h"

#include "run/platform/ui/Element.h"

#include <cctype>
#include <cstdlib>

namespace run::platform {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

bool ParseKeyName(const std::string& name, int& keyCode, int& shift) {
    shift = 0;
    std::string rest = name;
    for (;;) {
        std::size_t plus = rest.find('+');
        if (plus == std::string::npos || plus + 1 >= rest.size()) break;
        std::string mod = lower(rest.substr(0, plus));
        if (mod == "ctrl" || mod == "control")
            shift |= kCtrlMask;
        else if (mod == "shift")
            shift |= kShiftMask;
        else if (mod == "alt")
            shift |= kAltMask;
        else
            return false;
        rest = rest.substr(plus + 1);
    }
    std::string k = lower(rest);
    static const struct {
        const char* name;
        int code;
    } named[] = {
        {"escape", kKeyEscape}, {"esc", kKeyEscape},    {"enter", kKeyReturn},      {"return", kKeyReturn},
        {"tab", kKeyTab},       {"space", kKeySpace},   {"backspace", kKeyBack},    {"left", kKeyLeft},
        {"right", kKeyRight},   {"up", kKeyUp},         {"down", kKeyDown},         {"home", kKeyHome},
        {"end", kKeyEnd},       {"pageup", kKeyPageUp}, {"pagedown", kKeyPageDown}, {"insert", kKeyInsert},
        {"delete", kKeyDelete}, {"pause", kKeyPause},   {"alt", kKeyMenu},          {"ctrl", kKeyControl},
        {"shift", kKeyShift},
    };
    for (const auto& n : named) {
        if (k == n.name) {
            keyCode = n.code;
            return true;
        }
    }
    if (k.size() >= 2 && k.size() <= 3 && k[0] == 'f' &&
        k.find_first_not_of("0123456789", 1) == std::string::npos) {
        int n = std::atoi(k.c_str() + 1);
        if (n >= 1 && n <= 12) {
            keyCode = kKeyF1 + n - 1;
            return true;
        }
        return false;
    }
    if (k.size() == 1 && std::isalpha(static_cast<unsigned char>(k[0]))) {
        keyCode = kKeyA + (k[0] - 'a');
        return true;
    }
    if (k.size() == 1 && std::isdigit(static_cast<unsigned char>(k[0]))) {
        keyCode = kKey0 + (k[0] - '0');
        return true;
    }
    return false;
}

} // namespace run::platform
