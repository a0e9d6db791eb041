// Hotspots that move: a looping video sized to its hotspot and an animated picture stepping on
// the clock, by their pixels and state lines, shown and hidden with the hotspot's variables.
#include "run/frames/Hotspots.h"
#include "run/state/Variables.h"
#include "tests/frames/FrameRig.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/VideoMaker.h"

#include <cmath>

namespace run {
namespace {

using platform::Canvas;
using platform::Pixel;
using testing::FrameRig;
using testing::HotspotSpec;

constexpr Pixel kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF;

struct MediaRig : FrameRig {
    MediaRig() {
        project.variables({"hide"});
        FrameFile f;
        f.Picture = "0";
        project.frame("Start", f);
        // A clip of ten pictures, grey levels 0, 20 … 180.
        testing::VideoSpec spec;
        spec.width = 32;
        spec.height = 24;
        spec.pictures = 10;
        spec.picturesPerSecond = 25; // ten pictures take 0.4 s
        EXPECT_EQ(
            testing::WriteVideo((project.folder() / "Frames" / "loop.mpg").string(), spec,
                                [](int i, Canvas& c) {
                                    const Pixel g = static_cast<Pixel>(i * 20);
                                    c.fill({0, 0, c.width(), c.height()}, 0xFF000000u | g << 16 | g << 8 | g);
                                }),
            "");
        std::vector<testing::GifPicture> pictures;
        for (Pixel p : {kRed, kGreen, kBlue})
            pictures.push_back({Canvas(20, 20, p), 0, 0, 10, 1});
        project.file("Areas/lamp.gif", testing::MakeGifBytes(20, 20, pictures));

        HotspotSpec video; // at (100, 100) pixels, 160 × 120 inside its border
        video.left = 100 * 15 - 30;
        video.top = 100 * 15 - 30;
        video.width = 160 * 15 + 60;
        video.height = 120 * 15 + 60;
        video.withVideo = video.isVideo = true;
        video.videoFile = "loop.mpg";
        video.videoFitsHotspot = true;
        video.videoPlayCount = 0;
        HotspotSpec lamp; // at (400, 300), every picture 100 ms
        lamp.left = 400 * 15 - 30;
        lamp.top = 300 * 15 - 30;
        lamp.animated = lamp.hasPicture = true;
        lamp.pictureFile = "lamp.gif";
        lamp.withAnimationSpeed = true;
        lamp.animationSpeed = 100;
        lamp.hasConditions = true;
        lamp.hideIf = {"hide"};
        project.hotspots("Start", {video, lamp});
    }
    int grey(int x, int y) { return static_cast<int>(driver->pixel(x, y) & 0xFF); }
    std::vector<std::string> lines(const std::string& prefix) { return stateLines(prefix); }
};

TEST(HotspotMedia, AVideoLoopsInItsHotspotAndAnAnimationStepsOnTheClock) {
    MediaRig rig;
    auto& d = rig.start();
    ASSERT_TRUE(d.boxes().empty()) << d.boxes()[0].text;
    EXPECT_EQ(rig.lines("hotspot video: "),
              (std::vector<std::string>{"hotspot video: 1 = loop.mpg at 100,100 size 160x120 (playing)"}));
    EXPECT_EQ(
        rig.lines("animation: "),
        (std::vector<std::string>{"animation: 2 = lamp.gif at 400,300 size 20x20, picture 1/3 (playing)"}));

    // The video is stretched over its hotspot and goes round: its grey rises, falls back, rises.
    std::vector<int> greys;
    std::vector<Pixel> lamp;
    for (int t = 0; t < 60; ++t) {
        greys.push_back(rig.grey(180, 160));
        EXPECT_EQ(rig.grey(99, 160), 0) << "left of the hotspot the frame shows";
        if (t % 5 == 0) lamp.push_back(d.pixel(410, 310));
        d.wait(20);
    }
    int fallsBack = 0;
    for (std::size_t k = 1; k < greys.size(); ++k)
        fallsBack += greys[k] < greys[k - 1];
    EXPECT_GE(fallsBack, 2) << "a 0.4 s clip looped over 1.2 s";
    EXPECT_EQ(*std::max_element(greys.begin(), greys.end()) / 20, 9) << "its last picture shows too";
    EXPECT_EQ(rig.grey(259, 219), rig.grey(180, 160)) << "the whole hotspot is the video's";
    // One picture every 100 ms: red, green, blue, red …
    for (std::size_t k = 0; k < lamp.size(); ++k)
        EXPECT_EQ(lamp[k], (std::vector<Pixel>{kRed, kGreen, kBlue})[k % 3]) << "at " << k * 100 << " ms";

    // The hide variable hides the animated hotspot and stops it; clearing it brings it back.
    ChangeVariableValue(rig.variables(), "hide", 1);
    rig.game().hotspots().ShowOrNotShowAreas();
    EXPECT_EQ(rig.lines("animation: ").at(0).ends_with("(hidden)"), true);
    EXPECT_EQ(d.pixel(410, 310), 0xFF000000u);
    ChangeVariableValue(rig.variables(), "hide", 0);
    rig.game().hotspots().ShowOrNotShowAreas();
    EXPECT_TRUE(rig.lines("animation: ").at(0).ends_with("(playing)"));
    const Pixel shown = d.pixel(410, 310);
    d.wait(100);
    EXPECT_NE(d.pixel(410, 310), shown) << "it moves on again";

    // Opening the frame again removes both and makes them anew.
    rig.open("Start");
    EXPECT_EQ(rig.lines("hotspot video: ").size(), 1u);
    EXPECT_EQ(rig.lines("animation: ").size(), 1u);
    EXPECT_EQ(rig.form().find("AniGifBox", 3), nullptr);
}

TEST(HotspotMedia, AnimatedPicturesKeepTheirRulesForIndexSpeedAndFiles) {
    MediaRig rig;
    rig.start();
    AnimatedPictures& a = rig.game().videos().animations();
    const std::string gif = (rig.project.folder() / "Areas" / "lamp.gif").string();
    EXPECT_EQ(a.AniGifNewWithIndex(0, gif, 0, 0, 10), 0) << "index 0 creates nothing";
    EXPECT_EQ(a.AniGifNewWithIndex(5, "", 0, 0, 10), 0) << "nor does an empty file";
    EXPECT_EQ(rig.form().find("AniGifBox", 5), nullptr);
    EXPECT_EQ(a.AniGifNewWithIndex(5, gif, 150, 300, 0), 5);
    auto five = [&] {
        for (const AnimationShown& s : a.shown())
            if (s.index == 5) return s;
        return AnimationShown{};
    };
    EXPECT_EQ(five().left, 10);
    EXPECT_EQ(five().top, 20);
    rig.driver->wait(50);
    EXPECT_EQ(five().picture, 1) << "a speed below 1 steps every 50 ms";
    // A missing file removes the picture, with no box of its own.
    a.AniGifUpdate(5, gif + ".missing", 10);
    EXPECT_EQ(rig.form().find("AniGifBox", 5), nullptr);
    // A damaged one gets its box.
    rig.project.file("Areas/bad.gif", "GIF89a\x01");
    a.AniGifNewWithIndex(6, (rig.project.folder() / "Areas" / "bad.gif").string(), 0, 0, 10);
    ASSERT_FALSE(rig.driver->boxes().empty());
    EXPECT_NE(rig.driver->boxes().back().text.find(" Unable to load '"), std::string::npos);
}

} // namespace
} // namespace run
