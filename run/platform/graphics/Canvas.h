// A 32-bit software canvas: every window, frame and transition is composed here, in memory,
// so the same pixels reach the SDL window and the headless tests.
#pragma once

#include <cstdint>
#include <vector>

namespace run::platform {

// A colour as the games store it: a 24-bit number with red in the low byte (0x00BBGGRR).
using ColorRef = std::uint32_t;

// One pixel in memory: 0xAARRGGBB (ARGB8888, the layout SDL's streaming textures take).
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColorRef(ColorRef c, std::uint8_t alpha = 255) {
    return (Pixel(alpha) << 24) | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr ColorRef ColorRefFromPixel(Pixel p) {
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}
constexpr std::uint8_t AlphaOf(Pixel p) {
    return std::uint8_t(p >> 24);
}

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + w && py < y + h; }
    Rect intersect(const Rect& o) const;
};

class Canvas {
  public:
    Canvas() = default;
    Canvas(int width, int height, Pixel fill = 0xFF000000);

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool empty() const { return m_width <= 0 || m_height <= 0; }
    Rect bounds() const { return {0, 0, m_width, m_height}; }

    // Resizes and clears; contents are not kept.
    void reset(int width, int height, Pixel fill = 0xFF000000);

    Pixel pixel(int x, int y) const;      // 0 outside the canvas
    void setPixel(int x, int y, Pixel p); // ignored outside the canvas
    const Pixel* row(int y) const { return m_pixels.data() + std::size_t(y) * m_width; }
    Pixel* row(int y) { return m_pixels.data() + std::size_t(y) * m_width; }
    const std::vector<Pixel>& pixels() const { return m_pixels; }

    // Fills a rectangle (clipped) with an opaque or blended colour.
    void fill(const Rect& r, Pixel p);
    void fillBlended(const Rect& r, Pixel p); // uses the alpha byte of p
    void frame(const Rect& r, Pixel p);       // one-pixel outline

    // Copies src's rectangle to (dx, dy) as it is (alpha copied, not blended).
    void blit(const Canvas& src, const Rect& srcRect, int dx, int dy);
    // Draws src over this canvas honouring src's per-pixel alpha (0 = transparent).
    void blitAlpha(const Canvas& src, const Rect& srcRect, int dx, int dy);
    // Draws src whose pixels equal `key` (alpha ignored) are left out.
    void blitColorKey(const Canvas& src, const Rect& srcRect, int dx, int dy, Pixel key);
    // Draws src blended with a constant opacity 0..255 over this canvas (per-pixel alpha too).
    void blend(const Canvas& src, const Rect& srcRect, int dx, int dy, std::uint8_t opacity);
    // Scales src's rectangle into dst (nearest neighbour), honouring per-pixel alpha.
    void stretch(const Canvas& src, const Rect& srcRect, const Rect& dstRect);
    // Repeats src from (originX, originY) over the rectangle, clipped to it.
    void tile(const Canvas& src, const Rect& area, int originX = 0, int originY = 0);

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};

} // namespace run::platform
