// Frame texts and the text message at the bottom of the frame.
#include "run/frames/FrameTexts.h"
#include "tests/frames/FrameRig.h"

#include <fstream>
#include <iterator>

namespace run {
namespace {

using platform::Canvas;
using testing::ColourFrame;
using testing::FrameRig;
using testing::PixelOf;
using testing::Text;
using testing::TextSpec;

TEST(FrameTexts, AlternateListWinsAndCaptionsAndFontsFollowTheFile) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.project.texts("Start", {Text(1, "from the plain list")});
    TextSpec empty = Text(1, "[EMPTY]");
    TextSpec lower = Text(2, "[empty]");
    TextSpec noFont{3, "Words", 300, 450, true, true, "", 20, false, true, 0x00FF00};
    rig.project.texts("Start", {empty, lower, noFont}, true);
    auto& d = rig.start();
    EXPECT_TRUE(d.boxes().empty());
    EXPECT_EQ(rig.stateLines("text: "),
              (std::vector<std::string>{"text: 1 = ", "text: 2 = ", "text: 3 = Words"}));
    platform::Element* t = rig.text(3);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->font.name, "Arial");
    EXPECT_TRUE(t->font.bold);
    EXPECT_TRUE(t->font.italic);
    EXPECT_TRUE(t->font.underline);
    EXPECT_FALSE(t->font.strikeout);
    EXPECT_EQ(t->font.sizePoints, 20);
    EXPECT_EQ(t->left, 300);
    EXPECT_EQ(t->top, 450);
    EXPECT_EQ(t->foreColor, 0x00FF00u);
    // Sized to its caption in its own font: a bold 20-point word is wider than at 10 points.
    auto& fonts = rig.driver->player().ui().fonts();
    EXPECT_EQ(t->width, platform::PixelsToTwips(fonts.measure(t->font, "Words").width));
    EXPECT_EQ(t->height, platform::PixelsToTwips(fonts.lineHeight(t->font)));
    EXPECT_GT(t->width, platform::PixelsToTwips(fonts.measure({"Arial", 10}, "Words").width));
}

TEST(FrameTexts, DamagedBlockIsSkippedWholeAndTheNextLoads) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.project.texts("Start", {Text(1, "first"), Text(2, "bad number"), Text(3, "after"),
                                Text(4, "bad colour"), Text(5, "last")});
    // Damage the second block's text number and the fourth block's colour, one field a line.
    std::filesystem::path file = rig.project.folder() / "FramesData" / "Start.fm1";
    std::string bytes;
    {
        std::ifstream in(file, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto fieldStart = [&](int n) {
        std::size_t at = 0;
        for (int i = 1; i < n; ++i)
            at = bytes.find("\r\n", at) + 2;
        return at;
    };
    std::size_t number = fieldStart(21 + 2);
    bytes.replace(number, bytes.find("\r\n", number) - number, "\"two\"");
    std::size_t colour = fieldStart(3 * 21 + 20);
    bytes.replace(colour, bytes.find("\r\n", colour) - colour, "1E300");
    rig.project.file("FramesData/Start.fm1", bytes);
    auto& d = rig.start();
    EXPECT_EQ(rig.stateLines("text: "), (std::vector<std::string>{"text: 1 = first", "text: 2 = after",
                                                                  "text: 3 = bad colour", "text: 4 = last"}));
    EXPECT_TRUE(d.boxes().empty()) << "failures in texts are not reported";
}

TEST(FrameTexts, MergedTextIndexIsTheBlockWhereNumberingRestarts) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0)).frame("Plain", ColourFrame(0));
    rig.project.texts("Start",
                      {Text(1, "a"), Text(2, "b"), Text(3, "c"), Text(1, "merged a"), Text(2, "merged b")});
    rig.project.texts("Plain", {Text(1, "a"), Text(2, "b"), Text(3, "c")});
    rig.start();
    EXPECT_EQ(rig.game().texts().mergedTextIndex(), 4);
    EXPECT_EQ(rig.stateLines("text: ").size(), 5u);
    rig.open("Plain");
    EXPECT_EQ(rig.game().texts().mergedTextIndex(), 1);
    EXPECT_EQ(rig.stateLines("text: "),
              (std::vector<std::string>{"text: 1 = a", "text: 2 = b", "text: 3 = c"}));
}

TEST(FrameTexts, LabelIsPaintedInItsColour) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.project.texts("Start",
                      {{1, "MMMM", 100 * 15, 100 * 15, true, false, "Arial", 36, false, false, 0x00FFFF}});
    rig.start();
    platform::Element* t = rig.text(1);
    ASSERT_NE(t, nullptr);
    Canvas shot = rig.frameShot();
    int w = platform::TwipsToPixels(t->width), h = platform::TwipsToPixels(t->height);
    int inColour = 0, other = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            platform::Pixel p = shot.pixel(x, y);
            bool inside = x >= 100 && x < 100 + w && y >= 100 && y < 100 + h;
            if (p == PixelOf(0x00FFFF))
                inside ? ++inColour : ++other;
            else if (!inside && p != 0xFF000000u)
                ++other;
        }
    }
    EXPECT_GT(inColour, 100) << "the glyphs' solid parts";
    EXPECT_EQ(other, 0) << "nothing painted outside the label";
}

TEST(TextMessage, HidesAfterOneSecondAndSeventyMillisecondsACharacter) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    auto& d = rig.start();
    auto message = [&] {
        auto lines = rig.stateLines("message: ");
        return lines.empty() ? std::string() : lines[0];
    };
    const std::string thirty(30, 'x');
    rig.game().texts().ShowTextMessage(thirty, true, false);
    EXPECT_EQ(message(), "message: " + thirty);
    d.wait(3099);
    EXPECT_EQ(message(), "message: " + thirty);
    d.wait(1);
    EXPECT_EQ(message(), "");

    rig.game().texts().ShowTextMessage(thirty, true, false);
    d.wait(2000);
    rig.game().texts().ShowTextMessage("ten chars!", true, false);
    d.wait(1699);
    EXPECT_EQ(message(), "message: ten chars!") << "the second message has its own time";
    d.wait(1);
    EXPECT_EQ(message(), "");

    // A message without time-out stays, even when it replaces one whose time is still running.
    rig.game().texts().ShowTextMessage(thirty, true, false);
    d.wait(1000);
    rig.game().texts().ShowTextMessage("stays", true, true);
    d.wait(60000);
    EXPECT_EQ(message(), "message: stays");
    rig.game().texts().ShowTextMessage("[HiDe]", true, false);
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(d.boxes().empty());
}

TEST(TextMessage, ClickOnItHidesItAndOutsideTheFrameItIsABox) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    auto& d = rig.start();
    rig.game().texts().ShowTextMessage("Click me away", true, true);
    platform::Element& box = rig.form().get("FrameMessageBox");
    EXPECT_EQ(box.top + box.height, rig.form().get("PictureBox").height) << "at the bottom of the frame";
    d.click(320, platform::TwipsToPixels(box.top) + 3);
    EXPECT_TRUE(rig.stateLines("message: ").empty());

    rig.game().texts().ShowTextMessage("In a box", false, false);
    ASSERT_EQ(d.boxes().size(), 1u);
    EXPECT_EQ(d.boxes()[0].text, "In a box");
    EXPECT_EQ(d.boxes()[0].title, rig.info.AdventureName);
    EXPECT_TRUE(rig.stateLines("message: ").empty());
}

} // namespace
} // namespace run
