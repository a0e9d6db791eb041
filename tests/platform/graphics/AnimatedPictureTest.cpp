// Animated GIF files by their composed pictures: placement, transparency, the disposal methods
// and delays; a file too long for memory keeps its first pictures; damaged ones never crash.
#include "run/platform/graphics/AnimatedPicture.h"
#include "tests/support/MediaMaker.h"

#include <gtest/gtest.h>

namespace run::platform {
namespace {

using testing::GifPicture;

constexpr Pixel kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kGreen = 0xFF00FF00;

Canvas Filled(int w, int h, Pixel p) {
    Canvas c(w, h, p);
    return c;
}

TEST(AnimatedPicture, PicturesAreComposedWithTheirDisposalAndTransparency) {
    Canvas green = Filled(2, 2, kGreen);
    green.setPixel(1, 1, 0); // transparent: what lies below shows
    std::vector<GifPicture> pictures{
        {Filled(8, 8, kRed), 0, 0, 10, 1}, {Filled(2, 2, kBlue), 1, 1, 20, 2}, {green, 5, 5, 0, 1}};
    const std::string gif = testing::MakeGifBytes(8, 8, pictures);
    AnimatedPictureResult r = LoadAnimatedPictureMemory(gif.data(), gif.size());
    ASSERT_TRUE(r.animation) << r.error;
    const AnimatedPicture& a = *r.animation;
    ASSERT_EQ(a.pictures.size(), 3u);
    EXPECT_EQ(a.width(), 8);
    EXPECT_EQ(a.delaysMs[1], 200);
    EXPECT_EQ(a.pictures[1]->image.pixel(1, 1), kBlue);
    EXPECT_EQ(a.pictures[1]->image.pixel(0, 0), kRed) << "the first picture is kept below";
    const Canvas& third = a.pictures[2]->image;
    EXPECT_EQ(third.pixel(1, 1) >> 24, 0u) << "the blue square was cleared to transparent";
    EXPECT_EQ(third.pixel(4, 4), kRed);
    EXPECT_EQ(third.pixel(5, 5), kGreen);
    EXPECT_EQ(third.pixel(6, 6), kRed) << "a transparent pixel shows what lies below";
    EXPECT_TRUE(a.pictures[2]->hasAlpha);

    // A still picture is an animation of one.
    const std::string still = testing::MakeIconBytes(Filled(4, 4, kBlue));
    AnimatedPictureResult icon = LoadAnimatedPictureMemory(still.data(), still.size());
    ASSERT_TRUE(icon.animation) << icon.error;
    EXPECT_EQ(icon.animation->pictures.size(), 1u);
}

TEST(AnimatedPicture, LongOrDamagedFilesStayWithinBoundsAndNeverCrash) {
    // A 1024 × 1024 canvas has room for 32 pictures in memory: a longer file keeps its first 32.
    std::vector<GifPicture> many(40, GifPicture{Filled(1, 1, kRed), 0, 0, 0, 1});
    const std::string gif = testing::MakeGifBytes(1024, 1024, many);
    AnimatedPictureResult r = LoadAnimatedPictureMemory(gif.data(), gif.size());
    ASSERT_TRUE(r.animation) << r.error;
    EXPECT_TRUE(r.shortened);
    EXPECT_EQ(r.animation->pictures.size(), std::size_t(kMaxAnimationPixels / (1024 * 1024)));

    // Pictures placed far outside the canvas, a canvas of 0 × 0, cut files, garbage.
    const std::string outside = testing::MakeGifBytes(
        4, 4, {{Filled(2, 2, kBlue), 60000, 60000, 10, 1}, {Filled(4, 4, kRed), 0, 0, 10, 1}});
    LoadAnimatedPictureMemory(outside.data(), outside.size());
    const std::string empty = testing::MakeGifBytes(0, 0, {{Filled(2, 2, kBlue), 0, 0, 10, 1}});
    LoadAnimatedPictureMemory(empty.data(), empty.size());
    for (std::size_t cut = 0; cut < gif.size(); cut += 997)
        LoadAnimatedPictureMemory(gif.data(), cut);
    const std::string garbage(300, '\x5A');
    EXPECT_FALSE(LoadAnimatedPictureMemory(garbage.data(), garbage.size()).animation);
}

} // namespace
} // namespace run::platform
