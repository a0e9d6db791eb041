// The script functions that touch pictures and elements: loading and saving pictures, capturing
// the frame, the transition's destination, the default pointer and script-loaded array members.
#include "run/frames/FrameTransitions.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/scripting/host/ApiRig.h"
#include "tests/support/MediaMaker.h"

namespace run {
namespace {

using testing::ApiRig;
using testing::MakeIconBytes;
using testing::TextOfT;

constexpr platform::Pixel kRed = 0xFFE00000;

TEST(ScriptApiPictures, LoadSaveAndCapture) {
    ApiRig g;
    g.project.file("Areas/red.ico", MakeIconBytes(platform::Canvas(16, 16, kRed)));
    g.project.file("Areas/bad.bmp", "BM not a picture");
    g.start();
    platform::Element& box = g.form().get("PicBox");

    g.script("LoadAPicture PictureBoxObject, \"red.ico\" : LoadAPicture PictureBoxObject, \"missing.bmp\"");
    ASSERT_TRUE(box.picture) << "a missing file leaves the picture";
    EXPECT_EQ(box.picture->image.pixel(3, 3), kRed);
    g.script("Set p = LoadGraphicFile(\"missing.bmp\") : v = p Is Nothing : Set q = "
             "LoadGraphicFile(\"red.ico\") : "
             "w = q.Width > 0 : Set e = LoadGraphicFile(\"\") : x = e.Handle");
    EXPECT_EQ(g.var("v"), -1);
    EXPECT_EQ(g.var("w"), -1);
    EXPECT_EQ(g.var("x"), 0) << "an empty picture";
    // A missing file gets the lookup's warning, and nothing else.
    EXPECT_EQ(g.boxesWith("The following file is missing:"), 2);
    EXPECT_EQ(g.driver->boxes().size(), 2u);

    // Saved as a bitmap in the External folder, read back the same.
    g.script("SaveAPicture PictureBoxObject, \"copy.bmp\"");
    auto saved = platform::LoadPictureFile((g.project.folder() / "External" / "copy.bmp").string());
    ASSERT_TRUE(saved.picture) << saved.error;
    EXPECT_EQ(saved.picture->image.pixel(3, 3), kRed);

    // Unreadable pictures get the row's box; "" clears the picture.
    g.script("LoadAPicture PictureBoxObject, \"bad.bmp\" : v = 7");
    ASSERT_EQ(g.driver->boxes().size(), 3u);
    EXPECT_NE(g.boxTexts()[2].find(" Error loading the following picture:'\r\nbad.bmp'.\r\n\r\n"),
              std::string::npos);
    EXPECT_EQ(g.var("v"), 7) << "the script goes on";
    g.script("LoadAPicture PictureBoxObject, \"\"");
    EXPECT_FALSE(box.picture);

    // The composed frame: its colour (dark blue) and a visible hotspot picture.
    g.script("CaptureFrame PictureBoxObject, True");
    ASSERT_TRUE(box.picture);
    EXPECT_EQ(box.picture->width(), 640);
    EXPECT_EQ(platform::ColorRefFromPixel(box.picture->image.pixel(5, 5)) & 0xFFFFFF, 0x400000u);
    // The screen copy is what the player sees in the frame area.
    g.script("CaptureFrame PictureBoxObject, False");
    const platform::Canvas& screen = g.context().ui.paintedCanvas(g.form());
    platform::Rect at = platform::ElementRectOnForm(g.form().get("PictureBox"));
    EXPECT_EQ(box.picture->image.pixel(100, 100), screen.pixel(at.x + 100, at.y + 100));

    // Not caught: a path outside the game's folders and an element without a picture are script
    // errors, and nothing is written.
    const std::string outside = (g.tmp / "x.bmp").string();
    const std::size_t before = g.driver->boxes().size();
    g.script("SaveAPicture PictureBoxObject, \"" + outside + "\"");
    g.script("SaveAPicture TextBoxObject, \"empty.bmp\"");
    EXPECT_FALSE(std::filesystem::exists(outside));
    EXPECT_FALSE(std::filesystem::exists(g.project.folder() / "External" / "empty.bmp"));
    EXPECT_EQ(g.driver->boxes().size(), before + 2);
}

TEST(ScriptApiPictures, TransitionDestinationLastsUntilTheNextFrame) {
    ApiRig g;
    g.start();
    g.script("SetTransitionDestination PictureBoxObject");
    ASSERT_TRUE(g.game().transitions().transitionDestination());
    EXPECT_EQ(g.game().transitions().transitionDestination()->first, "PicBox");
    g.script("GoToFrame \"Other\", 0, 0");
    EXPECT_FALSE(g.game().transitions().transitionDestination()) << "the frame opening forgets it";
}

TEST(ScriptApiPictures, TheTransitionDestinationIsWhatFadesInOnce) {
    ApiRig g;
    FrameFile other = testing::ColourFrame(0x004000);
    other.RunEntryScript = true;
    other.EntryScript =
        "LoadAPicture PictureBoxObject, \"red.bmp\" : SetTransitionDestination PictureBoxObject";
    g.project.frame("Other", other);
    g.start();
    ASSERT_EQ(platform::SaveBmp(platform::Canvas(640, 480, kRed),
                                (g.project.folder() / "Areas" / "red.bmp").string()),
              "");
    // The middle of the frame late in each one-second blend.
    platform::Pixel late = 0;
    platform::TimerElement& watch = g.form().addTimer("WatchTransition");
    watch.onTimer = [&] {
        const Flags& flags = g.flags();
        if (!flags.TransitionRunning || flags.TransitionFraction < 0.85 || late) return;
        const platform::Rect r = platform::ElementRectOnForm(g.form().get("PictureBox"));
        late = g.context().ui.paintedCanvas(g.form()).pixel(r.x + r.w / 2, r.y + r.h / 2) | 0xFF000000;
    };
    watch.setInterval(20);
    watch.setEnabled(true);
    g.script("GoToFrame \"Other\", 1, 1");
    EXPECT_GT((late >> 16) & 0xFF, 0xB0u) << std::hex << late << ": the script's picture, not the frame";
    EXPECT_LT((late >> 8) & 0xFF, 0x20u) << std::hex << late;

    late = 0;
    g.script("GoToFrame \"Start\", 1, 1");
    EXPECT_LT((late >> 16) & 0xFF, 0x30u)
        << std::hex << late << ": the next transition composes the frame again";
    EXPECT_GT(late & 0xFF, 0x30u) << std::hex << late;
}

TEST(ScriptApiPictures, DefaultPointerFollowsHotspotsOnTheDefault) {
    ApiRig g({"v = 1", "v = 2"});
    testing::HotspotSpec own = testing::Spot(300, 300, 40, 40);
    own.cursorFile = "own.ico";
    g.project.hotspots("Start", {testing::Spot(20, 200, 50, 50), own});
    g.project.file("Icons/hand.ico", MakeIconBytes(platform::Canvas(32, 32, kRed)));
    g.project.file("Icons/own.ico", MakeIconBytes(platform::Canvas(32, 32, 0xFF00FF00)));
    g.start();
    const platform::PicturePtr ownIcon = g.area(2)->mouseIcon;
    ASSERT_TRUE(ownIcon);

    g.script("ChangeDefaultCursor \"missing.ico\"");
    EXPECT_EQ(g.area(1)->mousePointer, platform::kPointerDefault) << "no file, no change";
    EXPECT_EQ(g.boxesWith("The following file is missing:"), 1);
    g.script("ChangeDefaultCursor \"hand.ico\"");
    EXPECT_EQ(g.context().info.DefaultCursor, "hand.ico");
    ASSERT_EQ(g.area(1)->mousePointer, platform::kPointerCustom);
    EXPECT_EQ(g.area(1)->mouseIcon->image.pixel(5, 5), kRed);
    EXPECT_EQ(g.form().get("PictureBox").mouseIcon, g.area(1)->mouseIcon);
    EXPECT_EQ(g.area(2)->mouseIcon, ownIcon) << "a hotspot's own pointer stays";
    g.script("ChangeDefaultCursor \"DEFAULT\"");
    EXPECT_EQ(g.area(1)->mousePointer, platform::kPointerDefault);
    EXPECT_EQ(g.area(2)->mouseIcon, ownIcon);
    EXPECT_EQ(g.driver->boxes().size(), 1u);
}

TEST(ScriptApiPictures, ScriptTimersLoadedAndUnloaded) {
    ApiRig g;
    g.project.procedures("Sub TimerObject1()\r\n    v = v + 1\r\nEnd Sub");
    g.start();
    g.script("v = 0 : w = LoadControl(TimerObject) : x = LoadControl(TimerObject(0)) : "
             "TimerObject(1).Interval = 100 : TimerObject(1).Enabled = True");
    EXPECT_EQ(g.var("w"), -1) << "a new member after the last";
    EXPECT_EQ(g.var("x"), 0) << "a member that exists";
    g.driver->wait(350);
    EXPECT_EQ(g.var("v"), 3) << "the new timer calls its own procedure";

    g.script("Set tm = TimerObject(1) : w = UnloadControl(tm) : x = UnloadControl(TimerObject(0)) : "
             "y = LoadControl(tm)");
    EXPECT_EQ(g.var("w"), -1);
    EXPECT_EQ(g.var("x"), 0) << "element 0 stays";
    EXPECT_EQ(g.var("y"), -1) << "a member held by the script comes back";
    EXPECT_FALSE(g.form().findTimer("TimerObject", 1)->isEnabled()) << "loaded afresh from element 0";
    g.script("v = LoadControl(TimedEventObject) + LoadControl(ScreenObject)");
    EXPECT_EQ(g.var("v"), 0) << "the player's own arrays and other objects are refused";
}

} // namespace
} // namespace run
