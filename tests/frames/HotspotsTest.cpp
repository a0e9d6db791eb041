// Hotspots: placement, list files, visibility from variables, pictures, clicks, pointers, and
// damaged lists that must not take the rest of the frame down with them.
#include "run/frames/Hotspots.h"
#include "run/frames/GameMenus.h"
#include "tests/frames/FrameRig.h"

#include "run/state/Variables.h"
#include "tests/support/MediaMaker.h"

namespace run {
namespace {

using platform::Canvas;
using testing::ColourFrame;
using testing::FrameRig;
using testing::HotspotSpec;

// A hotspot whose element lands at (x, y) pixels of the frame.
HotspotSpec At(int x, int y, int w = 60, int h = 60) {
    HotspotSpec s;
    s.left = x * 15 - 30;
    s.top = y * 15 - 30;
    s.width = w * 15 + 60;
    s.height = h * 15 + 60;
    return s;
}

HotspotSpec WithPicture(HotspotSpec s, const std::string& file) {
    s.hasPicture = true;
    s.pictureFile = file;
    return s;
}

TEST(Hotspots, ElementsSitInsideTheBorderAndPicturesKeepTheirSize) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.picture("Areas/pic.bmp", Canvas(40, 30, 0xFF00FF00));
    HotspotSpec tiny;
    tiny.left = 3000;
    tiny.top = 1500;
    tiny.width = 50;
    tiny.height = 40;
    HotspotSpec plain;
    plain.width = 1500;
    plain.height = 900;
    HotspotSpec stretched = WithPicture(At(10, 10, 200, 100), "pic.bmp");
    stretched.stretch = true;
    rig.project.hotspots("Start", {tiny, plain, WithPicture(At(10, 10, 200, 100), "pic.bmp"), stretched});
    auto& d = rig.start();
    EXPECT_TRUE(d.boxes().empty());
    platform::Element* a = rig.area(1);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->left, 3030);
    EXPECT_EQ(a->top, 1530);
    EXPECT_EQ(a->width, 1);
    EXPECT_EQ(a->height, 1);
    EXPECT_EQ(
        rig.stateLines("hotspot: "),
        (std::vector<std::string>{"hotspot: 1 at 202,102 size 0x0", "hotspot: 2 at 2,2 size 96x56",
                                  "hotspot: 3 at 10,10 size 40x30", "hotspot: 4 at 10,10 size 200x100"}));
}

TEST(Hotspots, AlternateListWinsAndNoListMeansNoHotspots) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0)).frame("Bare", ColourFrame(0));
    rig.project.hotspots("Start", {At(1, 1)});
    rig.project.hotspots("Start", {At(100, 100), At(200, 200)}, true);
    rig.project.hotspots("Bare", {At(1, 1), At(2, 2)}).remove("FramesData/Bare.fm2");
    auto& d = rig.start();
    EXPECT_EQ(rig.stateLines("hotspot: "), (std::vector<std::string>{"hotspot: 1 at 100,100 size 60x60",
                                                                     "hotspot: 2 at 200,200 size 60x60"}));

    rig.open("Bare");
    EXPECT_TRUE(rig.stateLines("hotspot: ").empty());
    EXPECT_EQ(rig.game().currentFrame().HotspotCount, 2) << "the count file alone";
    rig.game().hotspots().ShowOrNotShowAreas();
    EXPECT_TRUE(rig.stateLines("hotspot: ").empty());
    EXPECT_TRUE(d.boxes().empty());
}

TEST(Hotspots, VisibilityFollowsVariablesAndTheDisappearList) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0)).variables({"zero", "one", "two", "set"});
    auto cond = [](std::vector<std::string> hide, std::vector<std::string> show, bool active = true) {
        HotspotSpec s = At(10, 10);
        s.hasConditions = active;
        s.hideIf = std::move(hide);
        s.showIf = std::move(show);
        return s;
    };
    const struct {
        const char* what;
        HotspotSpec spec;
        bool visible;
    } cases[] = {
        {"hide list naming a missing variable", cond({"missing"}, {}), true},
        {"show list with one variable at 1 and one at 2", cond({}, {"one", "two"}), false},
        {"gone from another frame under the same number", cond({}, {}), true},
        {"gone from this frame", cond({}, {}), false},
        {"hide list at 0, show list at 1", cond({"zero"}, {"one"}), true},
        {"hide list with one variable set", cond({"zero", "set"}, {}), false},
        {"show list with a missing variable and one at 1", cond({}, {"missing", "one"}), true},
        {"lists without the conditions flag", cond({"set"}, {"two"}, false), true},
        {"names compare exactly", cond({"SET"}, {}), true},
    };
    std::vector<HotspotSpec> specs;
    for (const auto& c : cases)
        specs.push_back(c.spec);
    rig.project.hotspots("Start", specs);
    auto& d = rig.start();
    GameVariables& variables = rig.variables();
    ChangeVariableValue(variables, "one", 1);
    ChangeVariableValue(variables, "two", 2);
    ChangeVariableValue(variables, "set", 5);
    variables.Disappear.Add("Other", 3);
    variables.Disappear.Add("Start", 4);
    rig.game().hotspots().ShowOrNotShowAreas();
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        platform::Element* a = rig.area(static_cast<int>(i + 1));
        ASSERT_NE(a, nullptr) << cases[i].what;
        EXPECT_EQ(a->visible, cases[i].visible) << cases[i].what;
    }
    EXPECT_TRUE(d.boxes().empty());
}

TEST(Hotspots, PicturesShowWhereTheyAreAndNotWhenHidden) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0)).variables({"flag"});
    rig.picture("Areas/green.bmp", Canvas(40, 30, 0xFF00FF00));
    HotspotSpec s = WithPicture(At(100, 50), "green.bmp");
    s.hasConditions = true;
    s.hideIf = {"flag"};
    rig.project.hotspots("Start", {s});
    rig.start();
    Canvas shot = rig.frameShot();
    EXPECT_EQ(shot.pixel(100, 50), 0xFF00FF00u);
    EXPECT_EQ(shot.pixel(139, 79), 0xFF00FF00u);
    EXPECT_EQ(shot.pixel(99, 50), 0xFF000000u);
    EXPECT_EQ(shot.pixel(100, 49), 0xFF000000u);
    EXPECT_EQ(shot.pixel(140, 79), 0xFF000000u);
    EXPECT_EQ(shot.pixel(139, 80), 0xFF000000u);

    ChangeVariableValue(rig.variables(), "flag", 1);
    rig.game().hotspots().ShowOrNotShowAreas();
    EXPECT_EQ(rig.frameShot().pixel(120, 60), 0xFF000000u);
}

TEST(Hotspots, ClicksGoToTheFrontmostHotspotAndRightClicksOnlyToggleMenus) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.picture("Areas/red.bmp", Canvas(60, 60, 0xFFFF0000));
    rig.picture("Areas/blue.bmp", Canvas(60, 60, 0xFF0000FF));
    rig.project.hotspots("Start",
                         {WithPicture(At(100, 100), "red.bmp"), WithPicture(At(130, 130), "blue.bmp")});
    auto& d = rig.start();
    EXPECT_EQ(rig.frameShot().pixel(150, 150), 0xFF0000FFu) << "the later block lies in front";

    auto actions = [&] {
        std::vector<std::string> out;
        for (const auto& step : rig.trace) {
            if (step.rfind("HotspotAction", 0) == 0) out.push_back(step);
        }
        rig.trace.clear();
        return out;
    };
    rig.trace.clear();
    d.click(150, 150);
    EXPECT_EQ(actions(), std::vector<std::string>{"HotspotAction 2"});
    d.click(110, 110);
    EXPECT_EQ(actions(), std::vector<std::string>{"HotspotAction 1"});
    EXPECT_EQ(rig.game().hotspots().clickX(), 110);
    EXPECT_EQ(rig.game().hotspots().clickY(), 110);
    d.click(400, 300);
    EXPECT_TRUE(actions().empty()) << "the background is no hotspot";

    ASSERT_FALSE(rig.game().menus().menusVisible());
    d.click(150, 150, platform::kRightButton);
    EXPECT_TRUE(rig.game().menus().menusVisible());
    d.click(150, 150, platform::kRightButton);
    EXPECT_FALSE(rig.game().menus().menusVisible());
    EXPECT_TRUE(actions().empty());
    EXPECT_TRUE(d.boxes().empty());
}

TEST(Hotspots, PointerChangesOverAHotspotWithItsOwnCursor) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.project.file("Icons/hand.cur", testing::MakeCursorBytes(testing::ArrowPointer(0xFF00FF00), 0, 0));
    HotspotSpec s = At(200, 200, 100, 100);
    s.cursorFile = "hand.cur";
    rig.project.hotspots("Start", {s, At(400, 200, 100, 100)});
    auto& d = rig.start();
    auto pointer = [&] { return d.backend().pointerOf(rig.form().id()); };
    d.move(250, 250);
    EXPECT_EQ(pointer(), platform::kPointerCustom);
    ASSERT_NE(rig.area(1)->mouseIcon, nullptr);
    EXPECT_EQ(rig.area(1)->mouseIcon->width(), 32);
    d.move(100, 250);
    EXPECT_EQ(pointer(), platform::kPointerDefault);
    d.move(450, 250);
    EXPECT_EQ(pointer(), platform::kPointerDefault) << "a hotspot without its own pointer";
    d.move(260, 260);
    EXPECT_EQ(pointer(), platform::kPointerCustom);
    EXPECT_TRUE(d.boxes().empty());
}

// One hotspot block as the list file holds it, one field a line, to be damaged at will.
std::vector<std::string> Fields(int x, int y, const std::string& picture = "", const std::string& cursor = "",
                                const std::string& hideCount = "0") {
    std::vector<std::string> f = {"", "0"};
    for (int i = 3; i <= 10; ++i)
        f.push_back("");
    for (int v : {x * 15 - 30, y * 15 - 30, 60 * 15 + 60, 60 * 15 + 60})
        f.push_back(std::to_string(v));
    f.push_back("0");
    f.push_back(picture.empty() ? "#FALSE#" : "#TRUE#");
    f.push_back("\"" + picture + "\"");
    f.push_back("0");
    f.push_back("\"" + cursor + "\"");
    f.push_back("0");
    f.push_back(hideCount);
    f.push_back("0");
    f.push_back("\"----- SEPARATOR -----\"");
    return f;
}

std::string Join(const std::vector<std::vector<std::string>>& blocks) {
    std::string out;
    for (const auto& b : blocks) {
        for (const auto& field : b)
            out += field + "\r\n";
    }
    return out;
}

TEST(Hotspots, DamagedBlocksAreReportedAndTheOthersStillLoad) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    rig.project.file("Areas/junk.bmp", "no picture here");
    rig.project.file("Icons/junk.cur", std::string("\0\0\2\0\1\0garbage", 13));
    auto cut = Fields(50, 350);
    cut.erase(cut.begin() + 12, cut.end() - 1); // left and top, then the separator
    rig.project.hotspots("Start", {At(0, 0)});  // the count file
    rig.project.file("FramesData/Start.fm2", Join({
                                                 Fields(50, 50),
                                                 Fields(150, 50, "", "", "2000000000"),
                                                 Fields(250, 50),
                                                 Fields(350, 50, "", "", "-5"),
                                                 Fields(50, 250, "junk.bmp"),
                                                 Fields(150, 250, "", "junk.cur"),
                                                 cut,
                                                 Fields(350, 250),
                                             }));
    rig.start();
    EXPECT_EQ(
        rig.stateLines("hotspot: "),
        (std::vector<std::string>{"hotspot: 1 at 50,50 size 60x60", "hotspot: 3 at 250,50 size 60x60",
                                  "hotspot: 4 at 350,50 size 60x60", "hotspot: 5 at 50,250 size 60x60",
                                  "hotspot: 6 at 150,250 size 60x60", "hotspot: 8 at 350,250 size 60x60"}));
    std::vector<std::string> reported;
    for (const auto& text : rig.boxTexts()) {
        auto at = text.find(" Unable to load hotspot #");
        ASSERT_NE(at, std::string::npos) << text;
        reported.push_back(text.substr(at + 25, 1));
    }
    EXPECT_EQ(reported, (std::vector<std::string>{"2", "5", "6", "7"}));
    EXPECT_EQ(rig.area(5)->picture, nullptr);
}

TEST(Hotspots, DamagedBlocksLeaveTheNextOnesVisibilityAlone) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0)).variables({"flag"});
    auto cut = Fields(50, 350);
    cut.erase(cut.begin() + 12, cut.end() - 1);
    auto shownIfFlag = [](int x, int y) {
        auto f = Fields(x, y);
        f[19] = "1"; // the conditions flag
        f[21] = "1"; // one name in the show list
        f.insert(f.end() - 1, "\"flag\"");
        return f;
    };
    auto huge = Fields(150, 50, "", "", "2000000000");
    huge[19] = "1";
    rig.project.hotspots("Start", {At(0, 0)});
    rig.project.file("FramesData/Start.fm2", Join({cut, shownIfFlag(50, 50), huge, shownIfFlag(250, 50)}));
    rig.start();
    for (int n : {2, 4}) {
        ASSERT_NE(rig.area(n), nullptr) << n;
        EXPECT_FALSE(rig.area(n)->visible) << n << ": flag is 0, not 1";
    }
    EXPECT_EQ(rig.boxesWith(" Unable to set hotspots visibility."), 0);
    EXPECT_EQ(rig.boxesWith(" Unable to load hotspot #"), 2) << "the cut block and the huge count";
}

TEST(Hotspots, BlockCutShortAtTheEndOfTheFile) {
    FrameRig rig;
    rig.project.frame("Start", ColourFrame(0));
    auto cut = Fields(50, 350);
    cut.resize(5);
    rig.project.hotspots("Start", {At(0, 0)});
    rig.project.file("FramesData/Start.fm2", Join({Fields(50, 50), cut}));
    auto& d = rig.start();
    EXPECT_EQ(rig.stateLines("hotspot: "), std::vector<std::string>{"hotspot: 1 at 50,50 size 60x60"});
    ASSERT_GE(d.boxes().size(), 1u);
    EXPECT_NE(d.boxes()[0].text.find(" Unable to load hotspot #2. "), std::string::npos) << d.boxes()[0].text;
}

} // namespace
} // namespace run
