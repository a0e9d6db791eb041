// Windows metafiles (WMF, with or without the placeable header, and EMF) drawn onto a canvas:
// one renderer of our own for both formats, with a transparent background and bounded work.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <cstddef>
#include <string>

namespace run::platform {

// True when the bytes start as a WMF or EMF file does.
bool IsMetafile(const void* data, std::size_t size);

struct MetafileSize {
    long long width = 0, height = 0; // pixels at 96 dots per inch
    std::string error;               // set when the header is unreadable or states no size
};

// The picture's own size: a placeable WMF's bounding box at its units per inch, an EMF's
// frame, or a plain WMF's window extent.
MetafileSize MetafilePictureSize(const void* data, std::size_t size);

// Plays the metafile onto a canvas of the size above, cleared to transparent. Returns an empty
// string, or why the file could not be played. Broken or excessive records end the drawing
// early: what was drawn until then is kept.
std::string DrawMetafile(const void* data, std::size_t size, Canvas& canvas);

} // namespace run::platform
