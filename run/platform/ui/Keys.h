// Key codes as the classic key events carry them (virtual-key numbers).
#pragma once

#include <string>

namespace run::platform {

enum KeyCode : int {
    kKeyBack = 8,
    kKeyTab = 9,
    kKeyReturn = 13,
    kKeyShift = 16,
    kKeyControl = 17,
    kKeyMenu = 18,
    kKeyPause = 19,
    kKeyEscape = 27,
    kKeySpace = 32,
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
    kKeyInsert = 45,
    kKeyDelete = 46,
    kKey0 = 48,
    kKeyA = 65,
    kKeyF1 = 112,
    kKeyF12 = 123,
};

// Parses "Escape", "Ctrl+S", "F5", "Alt+Enter", "a" into a key code and shift mask; false when
// the name is unknown.
bool ParseKeyName(const std::string& name, int& keyCode, int& shift);

} // namespace run::platform
