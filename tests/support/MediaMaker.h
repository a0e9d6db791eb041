// Makes media files from canvases for tests and the demo: pointer and icon files (with their
// transparency mask), and simple painted shapes.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <string>

namespace run::testing {

// The bytes of a .cur file (32-bit image with alpha and an AND mask) with the given hot spot.
std::string MakeCursorBytes(const platform::Canvas& image, int hotX, int hotY);
// The bytes of a .ico file.
std::string MakeIconBytes(const platform::Canvas& image);

// Painting helpers.
void FillCircle(platform::Canvas& c, int cx, int cy, int radius, platform::Pixel p);
void VerticalGradient(platform::Canvas& c, const platform::Rect& r, platform::Pixel top,
                      platform::Pixel bottom);
// A simple arrow pointer (black outline, given fill) on a transparent 32×32 canvas.
platform::Canvas ArrowPointer(platform::Pixel fill);

} // namespace run::testing
