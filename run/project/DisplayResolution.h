// The display size: the desktop mode remembered at start, the switch to the project's size and
// back. On this platform a "mode change" is the backend's: a scaled full-screen view.
#pragma once

#include <functional>

namespace run {

struct ProjectContext;

void SaveDesktopMode(ProjectContext& s);
bool IsDesktopAtProjectSize(const ProjectContext& s);
// Request 1, 2, 3: 640×480, 800×600, 1024×768; switches when the desktop is not that wide.
// `centreGameWindow` runs after a change (may be empty).
void SwitchResolution(ProjectContext& s, int request, const std::function<void()>& centreGameWindow = {});
void SetDisplayMode(ProjectContext& s, int width, int height, bool restoring);
void RestoreDesktopMode(ProjectContext& s);

} // namespace run
