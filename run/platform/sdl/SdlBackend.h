// The SDL backend: real windows showing the painted canvases (boxes and dialogs included, which
// the window system draws), mouse and keyboard, the system clock, and the desktop's default
// handler. No SDL type appears here, so the engine never sees SDL.
#pragma once

#include "run/platform/ui/Backend.h"

#include <memory>
#include <stdexcept>

namespace run::platform {

// Thrown when no display can be opened (no X11 or Wayland display).
struct NoDisplayError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Opens the video subsystem; throws NoDisplayError when there is no display.
std::unique_ptr<IBackend> CreateSdlBackend();

} // namespace run::platform
