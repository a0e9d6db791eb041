// The bundled demo, started as a player would: Start on the welcome window plays the intro video,
// then opens the harbour with its gull and water.
#include "run/driver/HeadlessDriver.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

namespace run {
namespace {

TEST(Demo, StartPlaysTheIntroThenOpensTheHarbourWithItsHotspotsTextsAndBoat) {
    testing::TempFolder tmp;
    HeadlessDriver d(PlayerOptions{DEMO_FOLDER, tmp / "settings.ini", tmp / "Documents",
                                   std::filesystem::path(COUNTER_OCX).parent_path()});
    d.start();
    platform::Form* welcome = d.player().ui().activeForm();
    ASSERT_EQ(welcome, &d.player().welcome().form());
    platform::Rect r = platform::ElementRectOnForm(welcome->get("lblButton", 0));
    int b = platform::TwipsToPixels(welcome->borderTwips);
    // The intro plays over the whole frame; the beam sweeps on while the game waits for it.
    std::vector<std::string> videoLines;
    std::vector<platform::Canvas> looks;
    d.setNestedSteps([&] {
        if (looks.size() == 2) return false;
        if (looks.empty()) {
            for (const std::string& l : d.state())
                if (l.rfind("video: ", 0) == 0) videoLines.push_back(l);
        }
        looks.push_back(d.screenshot());
        d.wait(1000);
        return true;
    });
    const std::uint64_t began = d.backend().nowMs();
    d.click(r.x + r.w / 2 - b, r.y + r.h / 2 - b);
    EXPECT_EQ(videoLines, (std::vector<std::string>{"video: intro.mpg at 0,0 size 640x480 (playing)"}));
    ASSERT_EQ(looks.size(), 2u);
    EXPECT_NE(looks[0].pixels(), looks[1].pixels()) << "the intro moves";
    EXPECT_GE(d.backend().nowMs() - began, 3000u) << "the whole intro was waited for";
    d.setNestedSteps(nullptr);
    d.wait(200); // the intro frame's timer leads on
    std::vector<std::string> state = d.state();
    ASSERT_NE(std::find(state.begin(), state.end(), "frame: Harbour"), state.end());
    auto count = [&](const std::string& prefix) {
        return std::count_if(state.begin(), state.end(),
                             [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
    // The lighthouse, the boat and the path to the beach at least; the title and the hint.
    EXPECT_GE(count("hotspot: "), 3);
    EXPECT_GE(count("text: "), 2);
    EXPECT_NE(std::find(state.begin(), state.end(), "text: 1 = Gull Cove"), state.end());
    EXPECT_NE(std::find(state.begin(), state.end(), "hotspot: 2 at 150,250 size 120x120"), state.end());
    EXPECT_NE(std::find(state.begin(), state.end(), "water: 300,392 size 340x88 (rippling)"), state.end());
    EXPECT_EQ(count("animation: 5 = gull.gif at 200,130 size 48x24, picture "), 1);
    EXPECT_TRUE(d.boxes().empty());

    // The boat's hull and sail lie in the lower half of its square icon; the top is see-through.
    EXPECT_EQ(d.pixel(150 + 60, 250 + 100), 0xFF7A3E1Cu);
    EXPECT_EQ(d.pixel(150 + 70, 250 + 80), 0xFFF2EEDCu);
    // Where the icon is see-through the harbour shows exactly as it does without the boat.
    const platform::Pixel withBoat = d.pixel(150 + 10, 250 + 10);
    d.player().game().form().get("Area", 2).visible = false;
    EXPECT_EQ(d.pixel(150 + 10, 250 + 10), withBoat);
    EXPECT_NE(d.pixel(150 + 60, 250 + 100), 0xFF7A3E1Cu) << "and the hull is the boat's";
}

} // namespace
} // namespace run
