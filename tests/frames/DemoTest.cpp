// The bundled demo, started as a player would: Start on the welcome window opens the harbour.
#include "run/driver/HeadlessDriver.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace run {
namespace {

TEST(Demo, StartOpensTheHarbourWithItsHotspotsTextsAndBoat) {
    testing::TempFolder tmp;
    HeadlessDriver d(PlayerOptions{DEMO_FOLDER, tmp / "settings.ini", tmp / "Documents"});
    d.start();
    platform::Form* welcome = d.player().ui().activeForm();
    ASSERT_EQ(welcome, &d.player().welcome().form());
    platform::Rect r = platform::ElementRectOnForm(welcome->get("lblButton", 0));
    int b = platform::TwipsToPixels(welcome->borderTwips);
    d.click(r.x + r.w / 2 - b, r.y + r.h / 2 - b);

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
