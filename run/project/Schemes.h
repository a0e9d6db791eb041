// Welcome-window schemes: button pictures, background tile, colours and logo variant.
#pragma once

#include <string>

namespace run {

struct Session;
class WelcomeWindow;

// Logo settings set by a scheme; read by the welcome window after UseScheme returns.
struct LogoSettings {
    int LogoStyle = 0;
    bool LogoShifted = false;
};

// Restyles the welcome window with the scheme of that name.
// Placeholder: scheme files are not read yet; every project gets the plain-text buttons that a
// project without a scheme file has.
void UseScheme(Session& s, WelcomeWindow& welcome, const std::string& schemeName, LogoSettings& logo);

} // namespace run
