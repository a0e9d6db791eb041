// Pictures as the games use them: BMP, JPG, GIF, PNG, ICO, CUR, WMF and EMF files decoded into
// canvases, with the hot spot of pointer files kept.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <memory>
#include <string>

namespace run::platform {

struct Picture {
    Canvas image;           // straight (non-premultiplied) ARGB; transparent pixels have alpha 0
    int hotX = 0, hotY = 0; // pointer hot spot (ICO: 0,0; CUR: from the file)
    bool hasAlpha = false;  // some pixel is not fully opaque
    int width() const { return image.width(); }
    int height() const { return image.height(); }
};

using PicturePtr = std::shared_ptr<const Picture>;

struct PictureResult {
    PicturePtr picture; // null on failure
    std::string error;  // a clear description on failure, e.g. "Invalid picture"
};

// Decodes a picture file from a real (already resolved, case-correct) path.
// Never throws; garbage gives an error result. Icons and cursors take their largest image.
PictureResult LoadPictureFile(const std::string& path);
// The same from bytes in memory (tests, fuzzing, embedded pictures).
PictureResult LoadPictureMemory(const void* data, std::size_t size);

// Writes a canvas as a PNG file; returns an empty string or the failure's description.
std::string SavePng(const Canvas& canvas, const std::string& path);
// Writes a canvas as a JPEG file of the given quality (1–100).
std::string SaveJpg(const Canvas& canvas, const std::string& path, int quality = 90);
// Writes a canvas as a 24-bit BMP file (what scripts' picture saving produces).
std::string SaveBmp(const Canvas& canvas, const std::string& path);

} // namespace run::platform
