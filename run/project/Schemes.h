// Welcome-window schemes: button pictures (lighter under the pointer, darker while pressed), a
// background tile, colours, the title line and the logo variant, read from the scheme's
// Scheme.txt.
#pragma once

#include <string>

namespace run {

struct ProjectContext;
class WelcomeWindow;

// Logo settings set by a scheme; read by the welcome window after UseScheme returns.
struct LogoSettings {
    int LogoStyle = 0;
    bool LogoShifted = false;
};

// Restyles the welcome window with the scheme of that name. Without a scheme file the buttons
// are text labels; a scheme that cannot be read ends quietly, what it restyled so far staying.
void UseScheme(ProjectContext& s, WelcomeWindow& welcome, const std::string& schemeName, LogoSettings& logo);

} // namespace run
