// Cursor and icon files, and painting helpers.
#include "tests/support/MediaMaker.h"

#include <cstdint>

namespace run::testing {

using platform::Canvas;
using platform::Pixel;

namespace {

void put16(std::string& s, std::uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}
void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

// One-image icon or cursor resource: directory, BITMAPINFOHEADER, BGRA rows bottom-up, AND mask.
std::string makeResource(const Canvas& img, int type, int a, int b) {
    const int w = img.width(), h = img.height();
    const int maskStride = ((w + 31) / 32) * 4;
    const std::uint32_t imageBytes = std::uint32_t(40 + w * h * 4 + maskStride * h);
    std::string s;
    put16(s, 0);
    put16(s, std::uint32_t(type));
    put16(s, 1);
    s += char(w >= 256 ? 0 : w);
    s += char(h >= 256 ? 0 : h);
    s += char(0);
    s += char(0);
    put16(s, std::uint32_t(a)); // icon: planes; cursor: hot spot x
    put16(s, std::uint32_t(b)); // icon: bit count; cursor: hot spot y
    put32(s, imageBytes);
    put32(s, 6 + 16);
    put32(s, 40);
    put32(s, std::uint32_t(w));
    put32(s, std::uint32_t(h * 2));
    put16(s, 1);
    put16(s, 32);
    put32(s, 0);
    put32(s, std::uint32_t(w * h * 4 + maskStride * h));
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    put32(s, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            Pixel p = img.pixel(x, y);
            s += char(p & 0xFF);
            s += char((p >> 8) & 0xFF);
            s += char((p >> 16) & 0xFF);
            s += char((p >> 24) & 0xFF);
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(std::size_t(maskStride), '\0');
        for (int x = 0; x < w; ++x) {
            if (platform::AlphaOf(img.pixel(x, y)) < 128) row[std::size_t(x / 8)] |= char(0x80 >> (x % 8));
        }
        s += row;
    }
    return s;
}

} // namespace

std::string MakeCursorBytes(const Canvas& image, int hotX, int hotY) {
    return makeResource(image, 2, hotX, hotY);
}
std::string MakeIconBytes(const Canvas& image) {
    return makeResource(image, 1, 1, 32);
}

void FillCircle(Canvas& c, int cx, int cy, int radius, Pixel p) {
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            if (x * x + y * y <= radius * radius) c.setPixel(cx + x, cy + y, p);
        }
    }
}

void VerticalGradient(Canvas& c, const platform::Rect& r, Pixel top, Pixel bottom) {
    for (int y = 0; y < r.h; ++y) {
        auto mix = [&](int shift) {
            int a = int((top >> shift) & 0xFF), b = int((bottom >> shift) & 0xFF);
            return Pixel(a + (b - a) * y / (r.h > 1 ? r.h - 1 : 1)) << shift;
        };
        c.fill({r.x, r.y + y, r.w, 1}, 0xFF000000 | mix(16) | mix(8) | mix(0));
    }
}

Canvas ArrowPointer(Pixel fill) {
    Canvas c(32, 32, 0);
    for (int y = 0; y < 20; ++y) {
        int width = y < 14 ? y / 1 + 1 : 14 - (y - 14) * 2;
        for (int x = 0; x < width && x < 14; ++x) {
            bool edge = x == 0 || x == width - 1 || y == 19 || (y >= 14 && x == width - 1);
            c.setPixel(x, y, edge ? 0xFF000000 : fill);
        }
    }
    return c;
}

} // namespace run::testing
