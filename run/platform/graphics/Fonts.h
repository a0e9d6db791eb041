// Fonts by their Windows names, found through fontconfig and drawn with SDL_ttf; a Windows
// name without a file here falls back to its metric-compatible Liberation equivalent.
#pragma once

#include "run/platform/graphics/Canvas.h"

#include <memory>
#include <string>

namespace run::platform {

struct FontSpec {
    std::string name = "MS Sans Serif";
    double sizePoints = 8.25; // as the games store it; 96 dots per inch on screen
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool operator==(const FontSpec&) const = default;
};

struct TextExtent {
    int width = 0;  // pixels
    int height = 0; // pixels: the line height of the font
};

// Loads and caches fonts; one catalogue serves the whole process (owned by the platform).
class FontCatalog {
  public:
    FontCatalog();
    ~FontCatalog();
    FontCatalog(const FontCatalog&) = delete;
    FontCatalog& operator=(const FontCatalog&) = delete;

    // The font file that would be used for a Windows font name (after fallback).
    std::string resolveFile(const std::string& windowsName, bool bold, bool italic);

    // Extent of one line of UTF-8 text; an empty text has width 0 and the line height.
    TextExtent measure(const FontSpec& font, const std::string& utf8);
    int lineHeight(const FontSpec& font);

    // Draws one line of UTF-8 text with its top-left corner at (x, y), anti-aliased and blended
    // over the canvas, clipped to `clip`.
    void draw(Canvas& canvas, const FontSpec& font, const std::string& utf8, int x, int y, Pixel color,
              const Rect& clip);

  private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace run::platform
