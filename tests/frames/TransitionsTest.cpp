// Transitions between two frames by pixels: what the player sees along the way for each kind, a
// click or Escape that ends one, and transitions switched off.
#include "run/media/Transitions.h"
#include "run/frames/GameMenus.h"
#include "tests/gameplay/GameRig.h"

namespace run {
namespace {

using testing::GameRig;

// Start is dark blue (0x400000 as a colour number) and Other dark green.
constexpr platform::Pixel kStart = 0xFF000040, kOther = 0xFF004000;

struct Sample {
    double f;                    // how far through, 0 to 1
    platform::Pixel left, right; // a quarter and three quarters across the frame, mid-height
    platform::Pixel top, bottom; // a quarter and three quarters down, mid-width
};

// Clicks the hotspot that opens Other with transition n over one second, sampling the window
// every 50 ms while it runs.
std::vector<Sample> Play(GameRig& g, int n, const char* interrupt = nullptr) {
    testing::ActionSpec go = testing::Go("Other");
    go.transitionKind = 1;
    go.transitionMs = 1000;
    go.transitionNumber = n;
    g.project.hotspots("Start", {testing::Spot(300, 220, 40, 40)}).actions("Start", {go});
    g.start();
    std::vector<Sample> samples;
    platform::Form& form = g.form();
    std::uint64_t began = 0;
    platform::TimerElement& watch = form.addTimer("WatchTransition");
    watch.onTimer = [&] {
        if (!g.flags().TransitionRunning) return;
        if (!began) began = g.context().ui.now();
        const platform::Canvas& c = g.context().ui.paintedCanvas(form);
        platform::Rect r = platform::ElementRectOnForm(form.get("PictureBox"));
        samples.push_back({double(g.context().ui.now() - began) / 1000.0,
                           c.pixel(r.x + r.w / 4, r.y + r.h / 2) | 0xFF000000,
                           c.pixel(r.x + 3 * r.w / 4, r.y + r.h / 2) | 0xFF000000,
                           c.pixel(r.x + r.w / 2, r.y + r.h / 4) | 0xFF000000,
                           c.pixel(r.x + r.w / 2, r.y + 3 * r.h / 4) | 0xFF000000});
        if (interrupt && samples.size() == 4) {
            if (std::string(interrupt) == "click")
                g.driver->click(100, 100);
            else
                g.driver->key(interrupt);
        }
    };
    watch.setInterval(50);
    watch.setEnabled(true);
    g.driver->click(320, 240);
    watch.setEnabled(false);
    return samples;
}

const Sample& Near(const std::vector<Sample>& samples, double f) {
    const Sample* best = &samples.front();
    for (const Sample& s : samples)
        if (std::abs(s.f - f) < std::abs(best->f - f)) best = &s;
    return *best;
}

TEST(Transitions, EachKindByPixels) {
    for (int n : {0, 1, 2, 3, 4, 5}) {
        SCOPED_TRACE("transition " + std::to_string(n));
        GameRig g;
        const auto samples = Play(g, n);
        ASSERT_GE(samples.size(), 15u) << "about 20 steps seen over the second";
        EXPECT_EQ(g.frame(), "Other");
        EXPECT_FALSE(g.form().get("picWhere").visible) << "uncovered at the end";
        const Sample& half = Near(samples, 0.5);
        switch (n) {
        case 0:
        case 1: {
            // Half blended: both colours at about half strength, everywhere.
            const int blue = half.left & 0xFF, green = (half.left >> 8) & 0xFF;
            EXPECT_NEAR(blue, 0x20, 6);
            EXPECT_NEAR(green, 0x20, 6);
            EXPECT_GT(int(Near(samples, 0.1).left & 0xFF), 0x30) << "mostly the old frame early on";
            break;
        }
        case 2: // the new frame comes in from the left
            EXPECT_EQ(Near(samples, 0.6).left, kOther);
            EXPECT_EQ(Near(samples, 0.4).right, kStart);
            break;
        case 3: // from the right
            EXPECT_EQ(Near(samples, 0.6).right, kOther);
            EXPECT_EQ(Near(samples, 0.4).left, kStart);
            break;
        case 4: // from the top
            EXPECT_EQ(Near(samples, 0.6).top, kOther);
            EXPECT_EQ(Near(samples, 0.4).bottom, kStart);
            break;
        case 5: // from the bottom
            EXPECT_EQ(Near(samples, 0.6).bottom, kOther);
            EXPECT_EQ(Near(samples, 0.4).top, kStart);
            break;
        }
        if (n >= 2) {
            EXPECT_EQ(Near(samples, 0.05).right, kStart) << "the cover shows the old frame";
        }
    }
}

TEST(Transitions, AClickEndsItAndTheSwitchTurnsThemOff) {
    GameRig g;
    const auto samples = Play(g, 2, "click");
    EXPECT_LT(samples.size(), 8u) << "ended by the click";
    EXPECT_EQ(g.frame(), "Other");
    EXPECT_FALSE(g.flags().TransitionRunning);

    // Escape ends a transition too, and leaves the menus as they were.
    GameRig key;
    const auto keyed = Play(key, 1, "Escape");
    EXPECT_LT(keyed.size(), 8u);
    EXPECT_FALSE(key.game().menus().menusVisible());

    GameRig off;
    off.start();
    off.game().menus().InvertTransitions();
    ASSERT_TRUE(off.flags().transitionsDisabled);
    const auto none = Play(off, 1);
    EXPECT_TRUE(none.empty()) << "the frame changes at once";
    EXPECT_EQ(off.frame(), "Other");
    EXPECT_EQ(off.driver->pixel(320, 240) | 0xFF000000, kOther);
}

TEST(Transitions, BlendStepMixesByAlpha) {
    platform::Canvas from(4, 4, 0xFF000000), to(4, 4, 0xFFFFFFFF), out;
    BlendStep(from, to, 0, out);
    EXPECT_EQ(out.pixel(1, 1), 0xFF000000u);
    BlendStep(from, to, 255, out);
    EXPECT_EQ(out.pixel(1, 1), 0xFFFFFFFFu);
    BlendStep(from, to, 128, out);
    EXPECT_NEAR(int(out.pixel(1, 1) & 0xFF), 128, 1);
}

} // namespace
} // namespace run
