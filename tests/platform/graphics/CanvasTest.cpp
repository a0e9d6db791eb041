#include "run/platform/graphics/Canvas.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace run::platform;

namespace {

// A canvas where every pixel is distinct, so a misplaced copy shows.
Canvas Numbered(int w, int h, std::uint8_t alpha = 255) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.setPixel(x, y, (Pixel(alpha) << 24) | Pixel(y + 1) << 8 | Pixel(x + 1));
    return c;
}

int Channel(Pixel p, int shift) {
    return int((p >> shift) & 0xFF);
}

bool Near(Pixel a, Pixel b, int tolerance = 1) {
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
    return true;
}

// What a copy of src's rectangle to (dx, dy) must give, one pixel at a time.
Canvas ReferenceBlit(Canvas dst, const Canvas& src, const Rect& sr, int dx, int dy) {
    for (int j = 0; j < sr.h; ++j)
        for (int i = 0; i < sr.w; ++i)
            if (src.bounds().contains(sr.x + i, sr.y + j) && dst.bounds().contains(dx + i, dy + j))
                dst.setPixel(dx + i, dy + j, src.pixel(sr.x + i, sr.y + j));
    return dst;
}

} // namespace

TEST(PixelFormat, ColorRefAndPixelConvertBothWays) {
    EXPECT_EQ(PixelFromColorRef(0x00332211), 0xFF112233u); // red is the low byte of a ColorRef
    EXPECT_EQ(PixelFromColorRef(0x000000FF), 0xFFFF0000u);
    EXPECT_EQ(PixelFromColorRef(0x00FF0000, 0x40), 0x400000FFu);
    EXPECT_EQ(ColorRefFromPixel(0x80112233), 0x00332211u); // alpha is dropped
    for (ColorRef c : {0x0u, 0x00FFFFFFu, 0x00123456u, 0x00ABCDEFu})
        EXPECT_EQ(ColorRefFromPixel(PixelFromColorRef(c)), c);
    EXPECT_EQ(AlphaOf(0x7F000000), 0x7F);
}

TEST(RectTest, IntersectHandlesDisjointNegativeAndExtremeRectangles) {
    const Rect a{0, 0, 10, 10};
    EXPECT_EQ(a.intersect({5, 5, 10, 10}).w, 5);
    EXPECT_EQ(a.intersect({5, 5, 10, 10}).h, 5);
    EXPECT_TRUE(a.intersect({10, 0, 5, 5}).empty());
    EXPECT_TRUE(a.intersect({2, 2, -3, 4}).empty());
    const Rect huge = a.intersect({-2000000000, -2000000000, 2100000000, 2100000000});
    EXPECT_EQ(huge.x, 0);
    EXPECT_EQ(huge.w, 10);
    EXPECT_TRUE(a.intersect({2000000000, 0, 2000000000, 5}).empty());
}

TEST(CanvasBasics, SizesAndPixelAccessOutsideAreSafe) {
    Canvas c(-3, 4);
    EXPECT_TRUE(c.empty());
    EXPECT_EQ(c.pixel(0, 0), 0u);
    c.setPixel(0, 0, 1); // no effect, no crash
    c.reset(3, 2, 0xFF0000FF);
    EXPECT_EQ(c.pixels().size(), 6u);
    EXPECT_EQ(c.pixel(2, 1), 0xFF0000FFu);
    EXPECT_EQ(c.pixel(3, 0), 0u);
    EXPECT_EQ(c.pixel(-1, 0), 0u);
    c.setPixel(-1, 1, 7);
    c.setPixel(3, 1, 7);
    for (Pixel p : c.pixels())
        EXPECT_EQ(p, 0xFF0000FFu);
}

TEST(CanvasFill, ClipsAtEveryEdge) {
    Canvas c(8, 6, 0);
    c.fill({-5, -5, 7, 7}, 1);   // top-left corner: 2x2
    c.fill({6, 4, 100, 100}, 2); // bottom-right corner: 2x2
    c.fill({3, 3, -2, 2}, 3);    // negative: nothing
    c.fill({0, 100, 8, 8}, 4);   // entirely below: nothing
    int ones = 0, twos = 0;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const Pixel p = c.pixel(x, y);
            if (x < 2 && y < 2)
                EXPECT_EQ(p, 1u);
            else if (x >= 6 && y >= 4)
                EXPECT_EQ(p, 2u);
            else
                EXPECT_EQ(p, 0u) << x << "," << y;
            ones += p == 1;
            twos += p == 2;
        }
    EXPECT_EQ(ones, 4);
    EXPECT_EQ(twos, 4);
}

TEST(CanvasFill, BlendedFillMixesAndFrameDrawsOnlyTheOutline) {
    Canvas c(6, 5, 0xFF000000);
    c.fillBlended({0, 0, 6, 5}, 0x80FFFFFF);
    EXPECT_TRUE(Near(c.pixel(3, 3), 0xFF808080)) << std::hex << c.pixel(3, 3);
    c.fillBlended({0, 0, 6, 5}, 0x00FF0000); // fully transparent: no change
    EXPECT_TRUE(Near(c.pixel(3, 3), 0xFF808080));

    Canvas f(6, 5, 0);
    f.frame({1, 1, 4, 3}, 9);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x <= 4 && y >= 1 && y <= 3;
            const bool edge = inside && (x == 1 || x == 4 || y == 1 || y == 3);
            EXPECT_EQ(f.pixel(x, y), edge ? 9u : 0u) << x << "," << y;
        }
    f.frame({-1, -1, 8, 7}, 5); // an outline just outside the canvas draws nothing
    EXPECT_EQ(f.pixel(0, 0), 0u);
    EXPECT_EQ(f.pixel(5, 4), 0u);
}

TEST(CanvasBlit, MatchesPixelByPixelCopyForRectanglesOverEveryEdge) {
    const Canvas src = Numbered(7, 5);
    const Rect sources[] = {{0, 0, 7, 5}, {-3, -2, 6, 5}, {4, 3, 10, 10},
                            {2, 1, 3, 2}, {-10, 0, 5, 5}, {1, 1, 0, 3}};
    const int offsets[] = {-8, -4, -1, 0, 3, 7, 9, 12};
    for (const Rect& sr : sources)
        for (int dx : offsets)
            for (int dy : offsets) {
                Canvas dst(10, 8, 0xFF000000);
                const Canvas expected = ReferenceBlit(dst, src, sr, dx, dy);
                dst.blit(src, sr, dx, dy);
                ASSERT_EQ(dst.pixels(), expected.pixels()) << "src " << sr.x << "," << sr.y << " " << sr.w
                                                           << "x" << sr.h << " to " << dx << "," << dy;
            }
}

TEST(CanvasBlit, CopiesAlphaAsItIsAndScrollsOntoItself) {
    Canvas dst(4, 4, 0xFFFFFFFF);
    const Canvas src(2, 2, 0x10203040);
    dst.blit(src, src.bounds(), 1, 1);
    EXPECT_EQ(dst.pixel(1, 1), 0x10203040u);

    Canvas c = Numbered(5, 5);
    const Canvas before = c;
    c.blit(c, {0, 0, 5, 4}, 0, 1); // scroll down one row, overlapping
    for (int y = 1; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(c.pixel(x, y), before.pixel(x, y - 1));
    c = before;
    c.blit(c, {0, 1, 5, 4}, 0, 0); // and up
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(c.pixel(x, y), before.pixel(x, y + 1));
}

TEST(CanvasBlit, ColorKeyLeavesKeyedPixelsWhateverTheirAlpha) {
    Canvas src(3, 1);
    src.setPixel(0, 0, 0xFFFF00FF);
    src.setPixel(1, 0, 0x00FF00FF); // same colour, other alpha: still the key
    src.setPixel(2, 0, 0xFF00FF00);
    Canvas dst(5, 1, 0xFF111111);
    dst.blitColorKey(src, src.bounds(), 1, 0, 0xFFFF00FF);
    EXPECT_EQ(dst.pixel(1, 0), 0xFF111111u);
    EXPECT_EQ(dst.pixel(2, 0), 0xFF111111u);
    EXPECT_EQ(dst.pixel(3, 0), 0xFF00FF00u);
    dst.blitColorKey(src, src.bounds(), 3, 0, 0xFF00FF00); // clipped on the right
    EXPECT_EQ(dst.pixel(3, 0), 0xFFFF00FFu);
    EXPECT_EQ(dst.pixel(4, 0), 0x00FF00FFu);
}

TEST(CanvasBlit, AlphaBlitHonoursPerPixelAlpha) {
    Canvas src(3, 1);
    src.setPixel(0, 0, 0x00FFFFFF);
    src.setPixel(1, 0, 0xFFFFFFFF);
    src.setPixel(2, 0, 0x80FFFFFF);
    Canvas dst(3, 1, 0xFF000000);
    dst.blitAlpha(src, src.bounds(), 0, 0);
    EXPECT_EQ(dst.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(dst.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_TRUE(Near(dst.pixel(2, 0), 0xFF808080)) << std::hex << dst.pixel(2, 0);
}

TEST(CanvasBlend, ConstantOpacityAtTheEndsAndMiddle) {
    const Canvas src(4, 4, 0xFFC86432);
    const Pixel base = 0xFF204060;
    Canvas dst(4, 4, base);
    dst.blend(src, src.bounds(), 0, 0, 0);
    for (Pixel p : dst.pixels())
        EXPECT_EQ(p, base);
    dst.blend(src, src.bounds(), 0, 0, 255);
    for (Pixel p : dst.pixels())
        EXPECT_EQ(p, 0xFFC86432u);
    dst.reset(4, 4, base);
    dst.blend(src, src.bounds(), 2, 2, 128);
    EXPECT_EQ(dst.pixel(1, 1), base);
    const Pixel mid = dst.pixel(3, 3);
    EXPECT_TRUE(Near(mid, 0xFF745249, 1)) << std::hex << mid; // halfway, rounded either way
}

TEST(CanvasBlend, CombinesOpacityWithSourceAlphaAndAccumulatesDestinationAlpha) {
    Canvas src(2, 1);
    src.setPixel(0, 0, 0x00FFFFFF); // invisible whatever the opacity
    src.setPixel(1, 0, 0x80FFFFFF);
    Canvas dst(2, 1, 0xFF000000);
    dst.blend(src, src.bounds(), 0, 0, 255);
    EXPECT_EQ(dst.pixel(0, 0), 0xFF000000u);
    EXPECT_TRUE(Near(dst.pixel(1, 0), 0xFF808080));
    dst.reset(2, 1, 0xFF000000);
    dst.blend(src, src.bounds(), 0, 0, 128); // a quarter of white
    EXPECT_TRUE(Near(dst.pixel(1, 0), 0xFF404040, 1)) << std::hex << dst.pixel(1, 0);

    Canvas clear(1, 1, 0x00000000);
    const Canvas white(1, 1, 0xFFFFFFFF);
    clear.blend(white, white.bounds(), 0, 0, 128);
    EXPECT_TRUE(Near(clear.pixel(0, 0), 0x80808080)) << std::hex << clear.pixel(0, 0);
}

TEST(CanvasBlend, WideRowsGiveTheSameResultAsSinglePixels) {
    // Wide rows take the vectorised path, single pixels the plain one: they must agree exactly.
    Canvas src(37, 3), dst(37, 3);
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 37; ++x) {
            src.setPixel(x, y, next());
            dst.setPixel(x, y, next());
        }
    for (int opacity : {1, 77, 128, 200, 254, 255}) {
        Canvas wide = dst;
        wide.blend(src, src.bounds(), 0, 0, std::uint8_t(opacity));
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 37; ++x) {
                Canvas one(1, 1, dst.pixel(x, y));
                one.blend(src, {x, y, 1, 1}, 0, 0, std::uint8_t(opacity));
                ASSERT_EQ(wide.pixel(x, y), one.pixel(0, 0)) << x << "," << y << " at " << opacity;
            }
    }
}

TEST(CanvasStretch, DoublesEveryPixelIntoASquare) {
    const Canvas src = Numbered(3, 2);
    Canvas dst(6, 4, 0);
    dst.stretch(src, src.bounds(), {0, 0, 6, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(dst.pixel(x, y), src.pixel(x / 2, y / 2)) << x << "," << y;
}

TEST(CanvasStretch, ClipsWithoutShiftingTheMappingAndShrinks) {
    const Canvas src = Numbered(2, 2);
    Canvas dst(3, 3, 0);
    dst.stretch(src, src.bounds(), {-2, -2, 4, 4}); // only src (1,1) lands on the canvas
    EXPECT_EQ(dst.pixel(0, 0), src.pixel(1, 1));
    EXPECT_EQ(dst.pixel(1, 1), src.pixel(1, 1));
    EXPECT_EQ(dst.pixel(2, 2), 0u);

    const Canvas big = Numbered(8, 8);
    Canvas small(2, 2, 0);
    small.stretch(big, big.bounds(), small.bounds());
    EXPECT_EQ(small.pixel(0, 0), big.pixel(2, 2)); // sampled at the centres of 4x4 blocks
    EXPECT_EQ(small.pixel(1, 1), big.pixel(6, 6));

    Canvas part(4, 4, 0);
    part.stretch(src, {1, 0, 2, 2}, part.bounds()); // right half lies outside the source
    EXPECT_EQ(part.pixel(0, 0), src.pixel(1, 0));
    EXPECT_EQ(part.pixel(1, 3), src.pixel(1, 1));
    EXPECT_EQ(part.pixel(2, 0), 0u);
    EXPECT_EQ(part.pixel(3, 3), 0u);
}

TEST(CanvasStretch, HonoursSourceAlpha) {
    Canvas src(2, 1);
    src.setPixel(0, 0, 0x00FF0000);
    src.setPixel(1, 0, 0xFF00FF00);
    Canvas dst(4, 2, 0xFF0000FF);
    dst.stretch(src, src.bounds(), dst.bounds());
    EXPECT_EQ(dst.pixel(1, 1), 0xFF0000FFu);
    EXPECT_EQ(dst.pixel(2, 1), 0xFF00FF00u);
}

TEST(CanvasTile, CoversPartialLastRowAndColumnFromAnyOrigin) {
    const Canvas src = Numbered(3, 2);
    for (auto [ox, oy] : {std::pair{0, 0}, {1, 1}, {-4, 5}}) {
        Canvas dst(9, 7, 0);
        const Rect area{1, 1, 7, 5};
        dst.tile(src, area, ox, oy);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 9; ++x) {
                const int sx = ((x - ox) % 3 + 3) % 3, sy = ((y - oy) % 2 + 2) % 2;
                const Pixel want = area.contains(x, y) ? src.pixel(sx, sy) : 0u;
                ASSERT_EQ(dst.pixel(x, y), want) << x << "," << y << " origin " << ox << "," << oy;
            }
    }
    Canvas dst(4, 4, 0);
    dst.tile(src, {-10, -10, 100, 100}); // clipped to the canvas
    EXPECT_EQ(dst.pixel(3, 3), src.pixel(0, 1));
    dst.tile(Canvas(), dst.bounds()); // empty source: nothing to repeat
}
