// Modal message and input boxes drawn with Dear ImGui in a window of their own; the host keeps
// timers running while the box waits.
#pragma once

#include "run/platform/ui/Backend.h"

namespace run::platform {

int RunSdlMessageBox(const MessageBoxRequest& request, ModalHost& host);
std::optional<std::string> RunSdlInputBox(const InputBoxRequest& request, ModalHost& host);

} // namespace run::platform
