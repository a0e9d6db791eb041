// A frame's rippling water by pixels: the rectangle moves under black mask pixels and stays still
// elsewhere, the Options switch takes it away and brings it back, and a rectangle outside the
// frame gets its error box.
#include "run/frames/RipplingWater.h"
#include "run/project/record/RecordWriter.h"
#include "tests/frames/FrameRig.h"

namespace run {
namespace {

using platform::Canvas;
using testing::FrameRig;

// Vertical stripes eight pixels wide: any sideways shift of a row shows.
Canvas Stripes(int w, int h) {
    Canvas c(w, h);
    for (int x = 0; x < w; ++x)
        c.fill({x, 0, 1, h}, (x / 8) % 2 ? 0xFFF0F0F0 : 0xFF101010);
    return c;
}

std::string WaterSettings(int left, int top, int width, int height) {
    RecordWriter w;
    for (int i = 0; i < 6; ++i)
        w.writeField("");
    for (int v : {left, top, width, height, 16, 8})
        w.writeField(static_cast<std::int16_t>(v));
    return w.bytes();
}

struct WaterRig : FrameRig {
    explicit WaterRig(int left = 100) {
        picture("Frames/sea.bmp", Stripes(640, 480));
        FrameFile f;
        f.PictureType = 1;
        f.Picture = "sea.bmp";
        project.frame("Start", f);
        project.file("Frames/Start.rwe", WaterSettings(left, 200, 200, 100));
        Canvas mask(200, 100, 0xFFFFFFFF);
        mask.fill({0, 0, 200, 50}, 0xFF000000); // the top half is water
        picture("Frames/Start.rwm", mask);
    }
    // Row y of the frame between x0 and x1, as painted now.
    std::vector<platform::Pixel> row(int y, int x0, int x1) {
        Canvas shot = frameShot();
        std::vector<platform::Pixel> out;
        for (int x = x0; x < x1; ++x)
            out.push_back(shot.pixel(x, y));
        return out;
    }
};

TEST(RipplingWater, MovesUnderTheMaskAndStaysStillElsewhere) {
    WaterRig rig;
    auto& d = rig.start();
    EXPECT_TRUE(d.boxes().empty());
    ASSERT_TRUE(rig.game().water().WaterActive());
    EXPECT_TRUE(rig.form().findTimer("TimerRipplingWater")->enabled);
    const auto lines = d.state();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "water: 100,200 size 200x100 (rippling)"), lines.end());
    const std::vector<platform::Pixel> stillRow = Stripes(640, 1).pixels();
    std::vector<platform::Pixel> still(stillRow.begin() + 100, stillRow.begin() + 300);

    bool moved = false, changed = false;
    std::vector<platform::Pixel> before = rig.row(210, 100, 300);
    for (int i = 0; i < 20; ++i) {
        d.wait(90);
        const auto now = rig.row(210, 100, 300);
        moved = moved || now != still;
        changed = changed || now != before;
        before = now;
        EXPECT_EQ(rig.row(280, 100, 300), still) << "below the mask's black the water is still";
    }
    EXPECT_TRUE(moved) << "under the mask's black the rows shift";
    EXPECT_TRUE(changed) << "and keep moving as time passes";
    EXPECT_EQ(rig.row(210, 0, 100), std::vector<platform::Pixel>(stillRow.begin(), stillRow.begin() + 100))
        << "outside the rectangle nothing moves";

    // Disable Real-Time Effects takes the water away; switching back brings it again.
    rig.game().EnableOrDisableEffects();
    EXPECT_FALSE(rig.form().get("PicRipplingWater").visible);
    EXPECT_FALSE(rig.form().findTimer("TimerRipplingWater")->enabled);
    EXPECT_EQ(rig.row(210, 100, 300), still);
    rig.game().EnableOrDisableEffects();
    EXPECT_TRUE(rig.form().get("PicRipplingWater").visible);
    EXPECT_TRUE(rig.form().findTimer("TimerRipplingWater")->enabled);
}

TEST(RipplingWater, ARectangleOutsideTheFrameIsRefusedWithItsBox) {
    WaterRig rig(5000);
    rig.start();
    EXPECT_EQ(rig.boxesWith(" Error initializing the Rippling Water effect. "), 1);
    EXPECT_FALSE(rig.game().water().WaterActive());
    EXPECT_FALSE(rig.form().get("PicRipplingWater").visible);
}

} // namespace
} // namespace run
