// The water effect's routines (see WaterEffect.h).
#include "run/platform/graphics/WaterEffect.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace run::platform {

namespace {

// The part of a w × h rectangle at (x, y) that lies on the canvas, as a shift of its origin.
struct Span {
    int first = 0, last = 0; // rows or columns of the rectangle, [first, last)
};

Span clip(int at, int length, int size) {
    return {std::max(0, -at), std::max(0, std::min(length, size - at))};
}

} // namespace

std::int32_t EffectClock::FoxTime(int mode) {
    const std::uint64_t now = m_now();
    if (mode == 1) {
        m_start = now;
        return 0;
    }
    return static_cast<std::int32_t>((now - m_start) & 0x7FFFFFFF);
}

void FoxWave(Canvas& dest, int dx, int dy, int w, int h, const Canvas& src, int sx, int sy, int waveParameter,
             int rowsPerStep, float phase, double angle, double) {
    if (w <= 0 || h <= 0 || src.empty()) return;
    const int step = std::max(1, rowsPerStep);
    const double amplitude = std::min(16.0, std::abs(static_cast<double>(waveParameter)) / step);
    const double perRow = angle * std::numbers::pi / 180.0 / step;
    // Source columns that exist: the rectangle clipped to the source canvas.
    const int srcLeft = std::clamp(sx, 0, src.width() - 1);
    const int srcRight = std::clamp(sx + w - 1, 0, src.width() - 1);
    const Span rows = clip(dy, h, dest.height());
    const Span cols = clip(dx, w, dest.width());
    for (int y = rows.first; y < rows.last; ++y) {
        const int srcY = std::clamp(sy + y, 0, src.height() - 1);
        const int shift = static_cast<int>(std::lround(amplitude * std::sin(perRow * y + phase)));
        const Pixel* from = src.row(srcY);
        Pixel* to = dest.row(dy + y);
        for (int x = cols.first; x < cols.last; ++x)
            to[dx + x] = from[std::clamp(sx + x - shift, srcLeft, srcRight)];
    }
}

void FoxFastMask(Canvas& dest, int dx, int dy, int w, int h, const Canvas& masked, int mx, int my,
                 const Canvas& mask, int kx, int ky, int) {
    if (w <= 0 || h <= 0) return;
    // Only where all three pictures have the pixel.
    Span rows = clip(dy, h, dest.height()), cols = clip(dx, w, dest.width());
    for (const Span& s : {clip(my, h, masked.height()), clip(ky, h, mask.height())})
        rows = {std::max(rows.first, s.first), std::min(rows.last, s.last)};
    for (const Span& s : {clip(mx, w, masked.width()), clip(kx, w, mask.width())})
        cols = {std::max(cols.first, s.first), std::min(cols.last, s.last)};
    for (int y = rows.first; y < rows.last; ++y) {
        Pixel* to = dest.row(dy + y);
        const Pixel* still = masked.row(my + y);
        const Pixel* m = mask.row(ky + y);
        for (int x = cols.first; x < cols.last; ++x) {
            const Pixel bits = m[kx + x] & 0x00FFFFFF;
            Pixel& p = to[dx + x];
            p = 0xFF000000 | (p & ~bits & 0x00FFFFFF) | (still[mx + x] & bits);
        }
    }
}

} // namespace run::platform
