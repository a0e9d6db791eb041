// Frame backgrounds as painted: a colour, a picture (BMP and JPEG), and a tiled picture.
#include "tests/frames/FrameRig.h"

namespace run {
namespace {

using platform::Canvas;
using platform::Pixel;
using testing::ColourFrame;
using testing::FrameRig;
using testing::NearColour;
using testing::PixelOf;

FrameFile PictureFrame(const std::string& file, bool tiled = false) {
    FrameFile f;
    f.PictureType = 1;
    f.Picture = file;
    f.TilePicture = tiled;
    return f;
}

// Four flat quarters, so that a misplaced or mis-scaled picture shows.
Canvas Quarters(int w, int h) {
    Canvas c(w, h, 0xFFD02020);
    c.fill({w / 2, 0, w - w / 2, h / 2}, 0xFF20C020);
    c.fill({0, h / 2, w / 2, h - h / 2}, 0xFF2020D0);
    c.fill({w / 2, h / 2, w - w / 2, h - h / 2}, 0xFFE0E0E0);
    return c;
}

TEST(Background, ColourNumberIsRedInTheLowByte) {
    for (std::uint32_t colour : {0x0000FFu, 0x336699u, 0xFFFFFFu}) {
        FrameRig rig;
        rig.project.frame("Start", ColourFrame(colour));
        auto& d = rig.start();
        for (auto [x, y] : {std::pair{0, 0}, {320, 240}, {639, 479}}) {
            EXPECT_EQ(d.pixel(x, y), PixelOf(colour))
                << std::hex << colour << " at " << std::dec << x << "," << y;
        }
    }
}

TEST(Background, AColourThatIsNoNumberFailsTheOpeningInsteadOfPaintingBlack) {
    for (const char* colour : {"sky blue", "99999999999"}) {
        FrameRig rig;
        rig.project.frame("Start", ColourFrame(0x0000FF)).frame("Bad", ColourFrame(0));
        FrameFile bad = ColourFrame(0);
        bad.Picture = colour;
        rig.project.frame("Bad", bad);
        auto& d = rig.start();
        rig.open("Bad");
        EXPECT_EQ(rig.boxesWith(" Unable to load the frame called 'Bad'. "), 1) << colour;
        EXPECT_EQ(d.pixel(320, 240), PixelOf(0x0000FF)) << colour << ": the area keeps its colour";
    }
}

TEST(Background, PictureFilesFillTheFrame) {
    for (const char* file : {"room.bmp", "room.jpg"}) {
        FrameRig rig;
        rig.picture(std::string("Frames/") + file, Quarters(640, 480));
        rig.project.frame("Start", PictureFrame(file));
        auto& d = rig.start();
        EXPECT_TRUE(d.boxes().empty()) << file;
        const struct {
            int x, y;
            Pixel p;
        } probes[] = {
            {20, 20, 0xFFD02020}, {620, 20, 0xFF20C020}, {20, 460, 0xFF2020D0}, {620, 460, 0xFFE0E0E0}};
        for (const auto& p : probes) {
            EXPECT_TRUE(NearColour(d.pixel(p.x, p.y), p.p))
                << file << " at " << p.x << "," << p.y << ": " << std::hex << d.pixel(p.x, p.y);
        }
    }
}

TEST(Background, TiledPictureCoversPartialLastRowAndColumn) {
    // 640 = 6 × 100 + 40 and 480 = 6 × 70 + 60: both the last column and row are cut.
    Canvas tile(100, 70, 0xFF404040);
    tile.fill({0, 0, 10, 10}, 0xFFFF8000);   // a mark at each tile's corner
    tile.fill({90, 60, 10, 10}, 0xFF00A0FF); // and at its far corner
    FrameRig rig;
    rig.picture("Frames/tile.bmp", tile);
    rig.project.frame("Start", PictureFrame("tile.bmp", true));
    auto& d = rig.start();
    Canvas shot = rig.frameShot();
    ASSERT_EQ(shot.width(), 640);
    ASSERT_EQ(shot.height(), 480);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            ASSERT_EQ(shot.pixel(x, y), tile.pixel(x % 100, y % 70)) << x << "," << y;
        }
    }
    EXPECT_EQ(d.pixel(600, 420), 0xFFFF8000u) << "the cut last tile starts with its corner";
    EXPECT_EQ(d.pixel(639, 479), 0xFF404040u);
    EXPECT_EQ(d.pixel(595, 415), 0xFF00A0FF);
}

} // namespace
} // namespace run
