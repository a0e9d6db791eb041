// Remembering, switching and restoring the display mode.
#include "run/project/DisplayResolution.h"

#include "run/platform/ui/Element.h"
#include "run/project/ProjectContext.h"

#include <exception>

namespace run {

void SaveDesktopMode(ProjectContext& s) {
    platform::DisplayMode m = s.ui.backend().desktopMode();
    s.desktop.width = m.width > 0 ? m.width : 0;
    s.desktop.height = m.height > 0 ? m.height : 0;
    s.desktop.refreshRate = m.refreshRate > 0 ? m.refreshRate : 0;
}

bool IsDesktopAtProjectSize(const ProjectContext& s) {
    switch (s.info.ProjectResolution) {
    case 0:
        return s.desktop.width == 640 && s.desktop.height == 480;
    case 1:
        return s.desktop.width == 800 && s.desktop.height == 600;
    case 2:
        return s.desktop.width == 1024 && s.desktop.height == 768;
    default:
        return false;
    }
}

void SetDisplayMode(ProjectContext& s, int width, int height, bool restoring) {
    // Restoring asks for the saved refresh rate; a switch only prefers it, and a backend that
    // has no mode of that size at that rate leaves the rate to the system. Both are one call.
    static_cast<void>(restoring);
    s.ui.pump();
    bool ok = s.ui.backend().setDisplayMode(width, height, s.desktop.refreshRate);
    s.ui.pump();
    if (!ok) s.showErrorBox(" Unable to change display resolution. Mode not supported.");
}

void SwitchResolution(ProjectContext& s, int request, const std::function<void()>& centreGameWindow) {
    try {
        int width = 0, height = 0;
        switch (request) {
        case 1:
            width = 640;
            height = 480;
            break;
        case 2:
            width = 800;
            height = 600;
            break;
        case 3:
            width = 1024;
            height = 768;
            break;
        default:
            return;
        }
        // Only the width is compared, measured now rather than taken from the saved mode.
        if (s.ui.backend().desktopMode().width == width) return;
        SetDisplayMode(s, width, height, false);
        s.ui.pump();
        if (platform::Form* f = s.ui.activeForm())
            s.ui.backend().setPointer(*f, platform::kPointerArrowHourglass, nullptr);
        s.ui.waitWithEvents(1000);
        if (platform::Form* f = s.ui.activeForm())
            s.ui.backend().setPointer(*f, platform::kPointerDefault, nullptr);
        if (centreGameWindow) centreGameWindow();
    } catch (const std::exception& e) {
        s.showErrorBox(" Error changing display resolution. ", e.what());
    }
}

void RestoreDesktopMode(ProjectContext& s) {
    platform::DisplayMode now = s.ui.backend().desktopMode();
    if (now.width != s.desktop.width || now.height != s.desktop.height) {
        SetDisplayMode(s, s.desktop.width, s.desktop.height, true);
    }
}

} // namespace run
