// Per-pixel blending shared by the canvas and text drawing; private to this library.
#pragma once

#include "run/platform/graphics/Canvas.h"

namespace run::platform::detail {

// Rounded x / 255 without a division; exact for 0 <= x <= 255 * 255.
inline std::uint32_t Div255(std::uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

// d + (s - d) * a / 255 on all four channels, two channels per multiply. Each 16-bit lane holds
// at most 255 * 255 + 128, so the lanes never carry into one another.
inline Pixel Lerp(Pixel d, Pixel s, std::uint32_t a) {
    const std::uint32_t na = 255 - a;
    std::uint32_t rb = (s & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * na + 0x00800080u;
    rb = ((rb + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    std::uint32_t ag = ((s >> 8) & 0x00FF00FFu) * a + ((d >> 8) & 0x00FF00FFu) * na + 0x00800080u;
    ag = (ag + ((ag >> 8) & 0x00FF00FFu)) & 0xFF00FF00u;
    return rb | ag;
}

// Source over destination with coverage a: the colour moves towards the source and the
// destination's alpha accumulates (a + da * (1 - a)), as SDL's blend mode does it.
inline Pixel Over(Pixel d, Pixel s, std::uint32_t a) {
    return Lerp(d, s | 0xFF000000u, a);
}

} // namespace run::platform::detail
