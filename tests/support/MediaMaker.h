// Makes media files from canvases for tests and the demo: pointer and icon files (with their
// transparency mask), and simple painted shapes.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <string>
#include <vector>

namespace run::testing {

// The bytes of a .cur file (32-bit image with alpha and an AND mask) with the given hot spot.
std::string MakeCursorBytes(const platform::Canvas& image, int hotX, int hotY);
// The bytes of a .ico file.
std::string MakeIconBytes(const platform::Canvas& image);

// One picture of an animated GIF: its image placed at (left, top) of the canvas; pixels with
// alpha 0 are transparent. Disposal: 0/1 keep, 2 clear to transparent, 3 restore the previous.
struct GifPicture {
    platform::Canvas image;
    int left = 0, top = 0;
    int delayCs = 10; // hundredths of a second
    int disposal = 1;
};
// The bytes of an animated GIF (at most 255 colours over all its pictures).
std::string MakeGifBytes(int width, int height, const std::vector<GifPicture>& pictures);

// Painting helpers.
void FillCircle(platform::Canvas& c, int cx, int cy, int radius, platform::Pixel p);
void VerticalGradient(platform::Canvas& c, const platform::Rect& r, platform::Pixel top,
                      platform::Pixel bottom);
// A simple arrow pointer (black outline, given fill) on a transparent 32×32 canvas.
platform::Canvas ArrowPointer(platform::Pixel fill);

} // namespace run::testing
