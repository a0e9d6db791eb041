// The water routines by pixels: the wave shifts rows sideways by a sine that moves with the phase,
// the mask keeps the still picture outside the water, and rectangles beyond a canvas are clipped.
#include "run/platform/graphics/WaterEffect.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

// Vertical stripes: column x has the value x, so a pixel tells which column it came from.
Canvas Stripes(int w, int h) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.setPixel(x, y, 0xFF000000 | Pixel(x));
    return c;
}

int ColumnShift(const Canvas& c, int y, int x) {
    return x - static_cast<int>(c.pixel(x, y) & 0xFFFF);
}

TEST(WaterEffect, TheWaveShiftsRowsBySineThatMovesWithThePhase) {
    const Canvas src = Stripes(64, 16);
    Canvas still(64, 16), moved(64, 16);
    // Amplitude 16 ÷ 4 = 4 pixels; 90° every 4 rows: a cycle of 16 rows.
    FoxWave(still, 0, 0, 64, 16, src, 0, 0, 16, 4, 0.0f, 90.0, 0.0);
    EXPECT_EQ(ColumnShift(still, 0, 30), 0) << "sin(0)";
    EXPECT_EQ(ColumnShift(still, 4, 30), 4) << "a quarter cycle down: the full amplitude";
    EXPECT_EQ(ColumnShift(still, 12, 30), -4);
    EXPECT_EQ(still.pixel(0, 4) & 0xFFFF, 0u) << "the left edge repeats";
    FoxWave(moved, 0, 0, 64, 16, src, 0, 0, 16, 4, static_cast<float>(3.14159265 / 2), 90.0, 0.0);
    EXPECT_EQ(ColumnShift(moved, 0, 30), 4) << "a quarter-cycle phase moves the wave up four rows";
    // A huge parameter is held to 16 pixels; a rectangle beyond the destination is clipped.
    Canvas small(8, 8);
    FoxWave(small, -4, 4, 64, 16, src, 0, 0, 1'000'000, 1, 1.0f, 90.0, 0.0);
    EXPECT_LE(std::abs(ColumnShift(small, 7, 7) + 4), 16);
}

TEST(WaterEffect, TheMaskShowsTheWaveOnlyUnderBlack) {
    Canvas wave(4, 1, 0xFF123456), masked(4, 1, 0xFFABCDEF), mask(4, 1, 0xFFFFFFFF);
    mask.setPixel(1, 0, 0xFF000000);
    mask.setPixel(2, 0, 0xFF00FF00);
    FoxFastMask(wave, 0, 0, 4, 1, masked, 0, 0, mask, 0, 0, 0);
    EXPECT_EQ(wave.pixel(0, 0), 0xFFABCDEFu) << "white mask: the still picture";
    EXPECT_EQ(wave.pixel(1, 0), 0xFF123456u) << "black mask: the wave";
    EXPECT_EQ(wave.pixel(2, 0), 0xFF12CD56u) << "bit by bit in between";
    // A mask smaller than the rectangle leaves the rest as drawn.
    Canvas wide(8, 1, 0xFF111111);
    FoxFastMask(wide, 0, 0, 8, 1, masked, 0, 0, mask, 0, 0, 0);
    EXPECT_EQ(wide.pixel(6, 0), 0xFF111111u);
}

TEST(WaterEffect, TheClockRestartsAndCounts) {
    std::uint64_t now = 5000;
    EffectClock clock([&] { return now; });
    EXPECT_EQ(clock.FoxTime(1), 0);
    now += 30;
    EXPECT_EQ(clock.FoxTime(0), 30);
}

} // namespace
} // namespace run::platform
