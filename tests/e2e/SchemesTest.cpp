// Schemes restyle the welcome window: picture buttons that answer the pointer, text buttons
// beside them, the tiled background, the colours, the hidden title and the logo variant; a
// scheme that cannot be read ends quietly.
#include "tests/e2e/Play.h"
#include "tests/support/MediaMaker.h"

namespace run {
namespace {

using testing::BasicInfo;
using testing::Play;

constexpr platform::Pixel kTile = 0xFF3050A0, kButton = 0xFF20A040;

// Writes Schemes/Night with the given Scheme.txt and its two pictures.
void NightScheme(Play& play, const std::string& text) {
    ProjectInfo info = BasicInfo();
    info.SchemeName = "Night";
    play.project.general(info);
    play.project.file("Schemes/Night/Scheme.txt", text);
    play.project.file("Schemes/Night/start.ico", testing::MakeIconBytes(platform::Canvas(96, 24, kButton)));
    play.project.file("Schemes/Night/tile.ico", testing::MakeIconBytes(platform::Canvas(40, 30, kTile)));
}

platform::Pixel WindowPixel(Play& play, int x, int y) {
    return play.player().ui().paintedCanvas(play.welcome()).pixel(x, y) | 0xFF000000;
}

TEST(Schemes, PicturesTileColoursTitleAndLogo) {
    Play play;
    NightScheme(play,
                "1,2,3\r\n4\r\n\"start.ico\"\r\n\"[none]\"\r\n\"[Default]\"\r\n\"tile.ico\"\r\n4\r\n255\r\n"
                "65280\r\n16711680\r\n128\r\n0,0,0\r\n1\r\n0\r\n1\r\n#TRUE#\r\n");
    play.start();
    ASSERT_TRUE(play.welcomeActive());
    platform::Element& start = play.element("Img", 0);
    EXPECT_TRUE(start.visible);
    EXPECT_FALSE(play.element("lblButton", 0).visible) << "a picture replaces the text button";
    EXPECT_TRUE(play.element("lblButton", 1).visible);
    EXPECT_TRUE(play.element("lblButton", 2).visible);
    EXPECT_EQ(play.element("lblButton", 1).foreColor, 128u) << "button text colour, version 4";
    EXPECT_EQ(play.element("txtVersion").foreColor, 16711680u);
    EXPECT_FALSE(play.element("txtAdventureName").visible) << "hidden title";
    EXPECT_EQ(play.element("imgLogo").left, 4440) << "shifted logo";

    // The tile covers the window to its bottom edge, partial rows included (the logo runs down
    // the right side); the window colour is not used.
    const platform::Canvas& c = play.player().ui().paintedCanvas(play.welcome());
    const int logoLeft = platform::ElementRectOnForm(play.element("imgLogo")).x;
    EXPECT_EQ(WindowPixel(play, logoLeft - 2, c.height() - 4), kTile);
    EXPECT_EQ(WindowPixel(play, 5, 5), kTile);

    // The picture button: lighter under the pointer, darker while pressed, then Start.
    platform::Rect r = platform::ElementRectOnForm(start);
    const int b = platform::TwipsToPixels(play.welcome().borderTwips);
    const int x = r.x + r.w / 2, y = r.y + r.h / 2;
    EXPECT_EQ(WindowPixel(play, x, y), kButton);
    play.driver->move(x - b, y - b);
    const platform::Pixel hovered = WindowPixel(play, x, y);
    EXPECT_GT(hovered & 0xFF, kButton & 0xFF);
    play.driver->click(x - b, y - b);
    EXPECT_TRUE(play.gameActive()) << "the picture is the Start button";
}

TEST(Schemes, UnreadableSchemesEndQuietly) {
    // A missing picture ends the scheme where it is: no box, the picture read before it shows,
    // the colours after it are never applied.
    Play missing;
    NightScheme(missing,
                "1,2,3\r\n3\r\n\"start.ico\"\r\n\"gone.bmp\"\r\n\"[none]\"\r\n1\r\n255\r\n0\r\n0\r\n");
    missing.start();
    EXPECT_TRUE(missing.driver->boxes().empty()) << missing.driver->boxes().front().text;
    EXPECT_TRUE(missing.element("Img", 0).visible);
    EXPECT_NE(missing.welcome().backColor, 255u);

    // A file that ends inside its picture list: the rest count as "[default]" and the buttons
    // without a picture still get their text labels.
    Play cut;
    NightScheme(cut, "1,2,3\r\n3\r\n\"start.ico\"\r\n");
    cut.start();
    EXPECT_TRUE(cut.driver->boxes().empty());
    EXPECT_TRUE(cut.element("Img", 0).visible);
    EXPECT_FALSE(cut.element("lblButton", 0).visible) << "its picture loaded";
    for (int i : {1, 2}) {
        EXPECT_FALSE(cut.element("Img", i).visible);
        EXPECT_TRUE(cut.element("lblButton", i).visible) << i;
        EXPECT_EQ(cut.element("lblButton", i).caption, cut.player().project().uiText[i + 1]) << i;
    }

    // Nonsense colours and an early end: what was read stays, the rest keeps its look.
    Play early;
    NightScheme(early, "1,2,3\r\n1\r\n\"start.ico\"\r\n3\r\nblue\r\n");
    early.start();
    EXPECT_TRUE(early.driver->boxes().empty());
    EXPECT_TRUE(early.element("Img", 0).visible);
    EXPECT_TRUE(early.element("txtAdventureName").visible);
    EXPECT_EQ(early.element("imgLogo").left, 4560);
}

} // namespace
} // namespace run
