// Play scripts that hold a box open: a shot shows it, clicks at its inside's coordinates and typed
// text reach it, and a box the script leaves open still gets its default answer.
#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/InputBoxForm.h"
#include "run/platform/ui/MessageBoxForm.h"
#include "tests/e2e/Play.h"

namespace run {
namespace {

using testing::BasicInfo;
using testing::Play;
using testing::RunScript;
using testing::ScriptResult;

constexpr int kGateStyle = platform::kYesNo | platform::kQuestion | platform::kDefaultButton2;
const platform::MessageBoxRequest kGate{"Gate", "Open the gate?", kGateStyle};
const platform::InputBoxRequest kName{"Who", "Your name?", "Anna"};

// Harbour: its left half asks whether to open the gate (Yes leads to Cove, No is the default);
// its right half asks for a name and greets it.
void GateGame(Play& play) {
    ProjectInfo info = BasicInfo();
    info.SkipWelcomeWindow = true;
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    play.project.general(info);
    play.project.frame("Cove", FrameFile{});
    testing::HotspotSpec gate, name;
    gate.width = name.width = 320 * platform::kTwipsPerPixel;
    gate.height = name.height = 480 * platform::kTwipsPerPixel;
    name.left = 320 * platform::kTwipsPerPixel;
    testing::ActionSpec ask, greet;
    ask.script = "If MsgBox(|Open the gate?|, " + std::to_string(kGateStyle) +
                 ", |Gate|) = 6 Then sFrameToLoad = |Cove|";
    greet.script = "sName = InputBox(|Your name?|, |Who|, |Anna|) : MsgBox |Hello | & sName, 0, |Hi|";
    play.project.hotspots("Harbour", {gate, name}).actions("Harbour", {ask, greet});
    play.start();
}

bool Has(const std::string& out, const std::string& line) {
    return out.find(line + "\n") != std::string::npos;
}

// The click at the middle of an element of a box, in the coordinates of the box's inside.
std::string ClickOn(const platform::Form& box, const platform::Element& e) {
    const platform::Rect r = platform::ElementRectOnForm(e);
    return "click " + std::to_string(r.x + r.w / 2 - platform::TwipsToPixels(box.insideLeft())) + " " +
           std::to_string(r.y + r.h / 2 - platform::TwipsToPixels(box.insideTop())) + "\n";
}

platform::PicturePtr Shot(const std::filesystem::path& file) {
    platform::PictureResult shot = platform::LoadPictureFile(file.string());
    EXPECT_TRUE(shot.picture) << shot.error;
    return shot.picture;
}

TEST(HeldBox, AScriptSeesTheBoxAndAnswersItAsAPlayer) {
    Play play;
    GateGame(play);
    platform::FontCatalog& fonts = play.player().ui().fonts();
    const platform::MessageBoxForm gate(kGate, fonts);
    const platform::Element &yes = gate.get("cmdButton", 0), &no = gate.get("cmdButton", 1);
    const std::filesystem::path shotFile = play.tmp / "gate.png";
    ScriptResult r = RunScript(play, "hold boxes\nclick 100 240\nshot " + shotFile.string() + "\nstate\n" +
                                         ClickOn(gate, yes) + "state\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "box: message \"Gate\" \"Open the gate?\" (open)")) << r.out;
    EXPECT_TRUE(Has(r.out, "box: message \"Gate\" \"Open the gate?\" -> Yes")) << r.out;
    EXPECT_TRUE(Has(r.out, "frame: Cove")) << "the click on Yes took effect:\n" << r.out;

    // The shot is the box: the title bar's dark end at its left, the focused No button framed in
    // black and Yes with its light edge, each where the box lays it out.
    platform::PicturePtr shot = Shot(shotFile);
    ASSERT_TRUE(shot);
    ASSERT_EQ(shot->width(), platform::TwipsToPixels(gate.width));
    ASSERT_EQ(shot->height(), platform::TwipsToPixels(gate.height));
    const int b = platform::TwipsToPixels(gate.borderTwips);
    EXPECT_EQ(shot->image.pixel(b, b + 1), 0xFF0A246Au);
    const platform::Rect yesAt = platform::ElementRectOnForm(yes), noAt = platform::ElementRectOnForm(no);
    EXPECT_EQ(shot->image.pixel(noAt.x, noAt.y), 0xFF000000u);
    EXPECT_EQ(shot->image.pixel(yesAt.x, yesAt.y), 0xFFFFFFFFu);
    EXPECT_EQ(shot->image.pixel(yesAt.x + yesAt.w - 1, yesAt.y + yesAt.h - 1), 0xFF404040u);

    // A box the steps leave open, or a wait passes on, takes its default answer (No); so does a
    // box opened after `release boxes`.
    for (const char* steps : {"hold boxes\nclick 100 240\n", "hold boxes\nclick 100 240\nwait 200\nstate\n",
                              "hold boxes\nrelease boxes\nclick 100 240\nstate\n"}) {
        Play left;
        GateGame(left);
        r = RunScript(left, steps);
        ASSERT_EQ(r.status, 0) << steps << r.err;
        ASSERT_EQ(left.driver->boxes().size(), 1u) << steps;
        EXPECT_EQ(left.driver->boxes()[0].answer, "No") << steps;
        EXPECT_EQ(left.player().game().frameName(), "Harbour") << steps;
        EXPECT_EQ(r.out.find("(open)"), std::string::npos) << steps << r.out;
    }

    // An answer for a button the box does not have fails the step; the box still closes.
    Play wrong;
    GateGame(wrong);
    r = RunScript(wrong, "hold boxes\nclick 100 240\nanswer Maybe\nstate\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("steps.txt:3: the open box has no button 'Maybe'"), std::string::npos) << r.err;
    EXPECT_EQ(wrong.driver->boxes().size(), 1u);
}

TEST(HeldBox, TypingReplacesTheInputBoxDefaultText) {
    Play play;
    GateGame(play);
    const platform::InputBoxForm name(kName, play.player().ui().fonts());
    const std::filesystem::path shotFile = play.tmp / "name.png";
    ScriptResult r = RunScript(play, "hold boxes\nclick 500 240\nshot " + shotFile.string() +
                                         "\ntype Bob\nkey Enter\nstate\nanswer ok\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(Has(r.out, "box: input \"Who\" \"Your name?\" -> Bob")) << r.out;
    EXPECT_TRUE(Has(r.out, "box: message \"Hi\" \"Hello Bob\" (open)")) << "the next box is held too:\n"
                                                                        << r.out;
    EXPECT_TRUE(Has(r.out, "box: message \"Hi\" \"Hello Bob\" -> OK")) << r.out;

    // The default text was shown selected.
    platform::PicturePtr shot = Shot(shotFile);
    ASSERT_TRUE(shot);
    const platform::Rect text = platform::ElementRectOnForm(name.get("txtInput"));
    int selected = 0;
    for (int y = text.y; y < text.y + text.h; ++y) {
        for (int x = text.x; x < text.x + text.w; ++x)
            selected += shot->image.pixel(x, y) == platform::kSelectionColour;
    }
    EXPECT_GT(selected, 20);
}

} // namespace
} // namespace run
