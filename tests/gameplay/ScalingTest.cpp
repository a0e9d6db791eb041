// A 640×480 frame shown on larger screens: where the picture goes, and which frame pixel lies
// under each screen pixel, checked against the picture as it is actually stretched there.
#include "run/platform/ui/Scaling.h"
#include "run/platform/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

TEST(Scaling, FitKeepsTheShapeWithBarsOnOneAxis) {
    struct Case {
        int dstW, dstH;
        Rect expected;
    };
    for (Case c : {Case{1280, 1024, {0, 32, 1280, 960}}, Case{1920, 1080, {240, 0, 1440, 1080}},
                   Case{800, 600, {0, 0, 800, 600}}, Case{640, 480, {0, 0, 640, 480}}}) {
        Rect r = FitPreservingAspect(640, 480, c.dstW, c.dstH);
        EXPECT_EQ(r.x, c.expected.x) << c.dstW << "x" << c.dstH;
        EXPECT_EQ(r.y, c.expected.y) << c.dstW << "x" << c.dstH;
        EXPECT_EQ(r.w, c.expected.w) << c.dstW << "x" << c.dstH;
        EXPECT_EQ(r.h, c.expected.h) << c.dstW << "x" << c.dstH;
    }
    Rect none = FitPreservingAspect(640, 480, 0, 600);
    EXPECT_EQ(none.w * none.h, 0);
}

// Every frame pixel tells its own coordinates by its colour.
Canvas CoordinateCanvas(int w, int h) {
    Canvas c(w, h, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            c.row(y)[x] = 0xFF000000u | (Pixel(y) << 12) | Pixel(x);
    }
    return c;
}

TEST(Scaling, EveryScreenPixelMapsToTheFramePixelDrawnThere) {
    const int srcW = 640, srcH = 480;
    Canvas frame = CoordinateCanvas(srcW, srcH);
    // 2× with bars above and below; 1.6× exactly; 1.6× across with bars at the sides.
    for (auto [winW, winH] : {std::pair{1280, 1024}, std::pair{1024, 768}, std::pair{1229, 768}}) {
        Rect fit = FitPreservingAspect(srcW, srcH, winW, winH);
        Canvas screen(winW, winH, 0xFF000000u);
        screen.stretch(frame, frame.bounds(), fit);
        int wrong = 0;
        for (int y = 0; y < winH; ++y) {
            for (int x = 0; x < winW; ++x) {
                int cx = -1, cy = -1;
                bool inside = WindowToCanvas(fit, srcW, srcH, x, y, cx, cy);
                if (!fit.contains(x, y)) {
                    if (inside) ++wrong;
                    continue;
                }
                Pixel drawn = screen.pixel(x, y);
                int dx = int(drawn & 0xFFF), dy = int((drawn >> 12) & 0xFFF);
                if (!inside || cx != dx || cy != dy) {
                    if (wrong < 3)
                        ADD_FAILURE() << winW << "x" << winH << " at " << x << "," << y << ": drawn " << dx
                                      << "," << dy << ", mapped " << cx << "," << cy;
                    ++wrong;
                }
            }
        }
        EXPECT_EQ(wrong, 0) << winW << "x" << winH;
    }
}

TEST(Scaling, BarsAndOutsidePointsMapToNothing) {
    Rect fit = FitPreservingAspect(640, 480, 1920, 1080);
    int cx = 7, cy = 7;
    for (auto [x, y] : {std::pair{0, 500}, std::pair{239, 10}, std::pair{1680, 10}, std::pair{1919, 1079},
                        std::pair{-1, 0}, std::pair{500, 1080}}) {
        EXPECT_FALSE(WindowToCanvas(fit, 640, 480, x, y, cx, cy)) << x << "," << y;
    }
    ASSERT_TRUE(WindowToCanvas(fit, 640, 480, 240, 0, cx, cy));
    EXPECT_EQ(cx, 0);
    EXPECT_EQ(cy, 0);
    ASSERT_TRUE(WindowToCanvas(fit, 640, 480, 1679, 1079, cx, cy));
    EXPECT_EQ(cx, 639);
    EXPECT_EQ(cy, 479);
}

} // namespace
} // namespace run::platform
