// Icons drawn from shapes: a disc or a triangle, its mark on top.
#include "run/platform/ui/MessageBoxIcon.h"

#include "run/platform/ui/Dialogs.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace run::platform {

namespace {

// Paints `color` where `inside(x, y)` holds, its edges smoothed by sampling each pixel 4×4 times.
// The shape is a template parameter: a box shows its icon every time it opens, and an indirect
// call per sample made that a noticeable part of answering a box.
template <typename Shape> void fillShape(Canvas& c, const Shape& inside, Pixel color) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
            if (hits == 0) continue;
            const Pixel under = c.pixel(x, y);
            const int a = 255 * hits / 16;
            if (AlphaOf(under) == 0) {
                c.setPixel(x, y, (Pixel(a) << 24) | (color & 0xFFFFFF));
                continue;
            }
            Pixel out = 0xFF000000;
            for (int shift = 0; shift <= 16; shift += 8) {
                const int s = (color >> shift) & 0xFF, d = (under >> shift) & 0xFF;
                out |= Pixel(d + (s - d) * a / 255) << shift;
            }
            c.setPixel(x, y, out);
        }
    }
}

auto disc(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

// A triangle standing on its base, its apex at the top middle.
auto triangle(double inset) {
    const double top = 2 + inset, bottom = kBoxIconSize - 2 - inset, half = (bottom - top) * 0.6;
    return [=](double x, double y) {
        if (y < top || y > bottom) return false;
        return std::abs(x - kBoxIconSize / 2.0) <= half * (y - top) / (bottom - top);
    };
}

// The cross of the critical icon: two bars across the disc.
auto cross(double cx, double cy, double arm, double thickness) {
    return [=](double x, double y) {
        const double dx = x - cx, dy = y - cy;
        if (std::abs(dx) > arm || std::abs(dy) > arm) return false;
        return std::abs(dx - dy) <= thickness || std::abs(dx + dy) <= thickness;
    };
}

void drawMark(Canvas& c, FontCatalog& fonts, const char* mark, Pixel color, int dy) {
    FontSpec font{"Times New Roman", 18, true};
    const TextExtent e = fonts.measure(font, mark);
    fonts.draw(c, font, mark, (c.width() - e.width) / 2, (c.height() - e.height) / 2 + dy, color, c.bounds());
}

} // namespace

PicturePtr MessageBoxIconPicture(int style, FontCatalog& fonts) {
    const std::string kind = MessageBoxIconName(style);
    if (kind.empty()) return nullptr;
    auto pic = std::make_shared<Picture>();
    pic->image = Canvas(kBoxIconSize, kBoxIconSize, 0);
    pic->hasAlpha = true;
    Canvas& c = pic->image;
    const double mid = kBoxIconSize / 2.0;
    if (kind == "critical") {
        fillShape(c, disc(mid, mid, 15), 0xFF800000);
        fillShape(c, disc(mid, mid, 14), 0xFFE02020);
        fillShape(c, cross(mid, mid, 7.5, 2.2), 0xFFFFFFFF);
    } else if (kind == "exclamation") {
        fillShape(c, triangle(0), 0xFF806000);
        fillShape(c, triangle(1.5), 0xFFFFD820);
        drawMark(c, fonts, "!", 0xFF000000, 3);
    } else if (kind == "question") {
        fillShape(c, disc(mid, mid, 15), 0xFF1C3C8C);
        fillShape(c, disc(mid, mid, 13.5), 0xFFFFFFFF);
        drawMark(c, fonts, "?", 0xFF1C3C8C, 0);
    } else {
        fillShape(c, disc(mid, mid, 15), 0xFF1C3C8C);
        fillShape(c, disc(mid, mid, 13.5), 0xFF2F64D0);
        drawMark(c, fonts, "i", 0xFFFFFFFF, 0);
    }
    return pic;
}

} // namespace run::platform
