// The bundled demo played from Start to its ending as a player would, with what the player
// reports (frame, items, variables) checked after every step.
#include "run/driver/HeadlessDriver.h"
#include "run/frames/Inventory.h"
#include "run/platform/ui/Scaling.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

namespace run {
namespace {

class Walk {
  public:
    Walk()
        : m_driver(PlayerOptions{DEMO_FOLDER, m_tmp / "settings.ini", m_tmp / "Documents",
                                 std::filesystem::path(COUNTER_OCX).parent_path()}) {
        m_driver.start();
    }
    HeadlessDriver& d() { return m_driver; }

    // The state lines of the given kinds, in the order reported.
    std::vector<std::string> lines(std::initializer_list<const char*> prefixes) {
        std::vector<std::string> out;
        for (const auto& l : m_driver.state()) {
            for (const char* p : prefixes) {
                if (l.rfind(p, 0) == 0) out.push_back(l);
            }
        }
        return out;
    }
    std::string frame() {
        auto f = lines({"frame: "});
        return f.empty() ? "" : f[0].substr(7);
    }
    std::vector<std::string> items() { return lines({"item: "}); }
    std::vector<std::string> sounds() { return lines({"sound: "}); }
    std::string channel(int c) {
        auto l = lines({("channel: " + std::to_string(c) + " ").c_str()});
        return l.empty() ? "" : l[0];
    }
    // The colour a player sees at frame pixel x, y.
    platform::Pixel framePixel(int x, int y) {
        platform::Form& form = m_driver.player().game().form();
        const platform::Canvas& c = m_driver.player().ui().paintedCanvas(form);
        const platform::Rect r = platform::ElementRectOnForm(form.get("PictureBox"));
        return c.pixel(r.x + x, r.y + y) | 0xFF000000;
    }
    double level(std::uint64_t from, std::uint64_t to) {
        return m_driver.backend().audio().levelOver(from, to);
    }
    std::uint64_t now() { return m_driver.backend().nowMs(); }
    // Clicks the dialogue's question of that caption where the state says it lies.
    void ask(const std::string& caption) {
        for (const auto& l : lines({"question: "})) {
            const std::size_t at = l.find("\"" + caption + "\" at ");
            if (at == std::string::npos) continue;
            int x = 0, y = 0;
            ASSERT_EQ(std::sscanf(l.c_str() + at + caption.size() + 6, "%d,%d", &x, &y), 2) << l;
            m_driver.click(x + 10, y + 8);
            return;
        }
        FAIL() << "no question " << caption;
    }
    // Tab until the hotspot under frame pixel x, y is highlighted (or the item of that name):
    // the keys alone, the state only telling which hotspot lies there.
    void tabTo(int x, int y) {
        std::string want;
        for (const auto& l : lines({"hotspot: "})) {
            int n = 0, left = 0, top = 0, w = 0, h = 0;
            if (std::sscanf(l.c_str(), "hotspot: %d at %d,%d size %dx%d", &n, &left, &top, &w, &h) == 5 &&
                x >= left && x < left + w && y >= top && y < top + h)
                want = "highlight: hotspot " + std::to_string(n);
        }
        ASSERT_FALSE(want.empty()) << "no hotspot at " << x << "," << y;
        tabUntil(want);
    }
    void tabToItem(const std::string& name) {
        for (const auto& l : lines({"item: "}))
            if (l.size() > name.size() &&
                l.compare(l.size() - name.size() - 3, std::string::npos, " = " + name) == 0)
                return tabUntil("highlight: item " + l.substr(6));
        FAIL() << "no item " << name;
    }
    // The number key of the question of that caption: its place in the panel.
    void askByKey(const std::string& caption) {
        const auto shown = lines({"question: "});
        for (std::size_t i = 0; i < shown.size(); ++i)
            if (shown[i].find("\"" + caption + "\"") != std::string::npos)
                return (void)m_driver.key(std::to_string(i + 1));
        FAIL() << "no question " << caption;
    }
    void tabUntil(const std::string& want) {
        for (int i = 0; i < 20; ++i) {
            auto h = lines({"highlight: "});
            if (!h.empty() && h[0] == want) return;
            m_driver.key("Tab");
        }
        FAIL() << "Tab never reached " << want;
    }
    std::string variable(const std::string& name) {
        for (const auto& l : lines({"variable: "})) {
            if (l.rfind("variable: " + name + " = ", 0) == 0) return l.substr(13 + name.size());
        }
        return "?";
    }

  private:
    testing::TempFolder m_tmp;
    HeadlessDriver m_driver;
};

TEST(DemoWalkthrough, FromStartToTheEnding) {
    Walk w;
    HeadlessDriver& d = w.d();
    ASSERT_EQ(d.player().ui().activeForm(), &d.player().welcome().form());

    d.click(150, 85);
    // The intro video played to its end inside the click; its frame's timer leads on at once.
    ASSERT_EQ(w.frame(), "Intro");
    for (int i = 0; i < 50 && w.frame() == "Intro"; ++i)
        d.wait(10);
    ASSERT_EQ(w.frame(), "Harbour");
    // The sea is the harbour's music; the wind fades in on channel 1 over a second and a half.
    EXPECT_EQ(w.sounds(), (std::vector<std::string>{"sound: 1 = wind.wav (-4000, loop)",
                                                    "sound: 6 = waves.wav (-1200, loop)"}));
    EXPECT_EQ(w.channel(1), "channel: 1 = player 1, level 6, fading");
    EXPECT_TRUE(w.items().empty());
    for (const char* v : {"door_open", "lantern_lit", "visited_beach"})
        EXPECT_EQ(w.variable(v), "0") << v;
    EXPECT_EQ(w.variable("visits"), "1") << "the harbour's entry script calls a scrambled procedure";
    // A timed event shows the gull's text four seconds after the player arrives.
    const std::string gull = "text: 5 = A gull cries over the water.";
    EXPECT_EQ(w.lines({"timed event: "}),
              std::vector<std::string>{"timed event: 1 = Text(5).Visible = True (4000 ms, once)"});
    d.wait(3900);
    EXPECT_TRUE(w.lines({"timed event: "}).size() == 1 && w.lines({"text: 5"}).empty());
    EXPECT_EQ(w.sounds(), (std::vector<std::string>{"sound: 1 = wind.wav (-1600, loop)",
                                                    "sound: 6 = waves.wav (-1200, loop)"}));
    EXPECT_EQ(w.channel(1), "channel: 1 = player 1, level 6");
    EXPECT_GT(w.level(w.now() - 500, w.now()), 0.02) << "the sea and the wind are heard";
    d.wait(200);
    EXPECT_EQ(w.lines({"text: 5"}), std::vector<std::string>{gull});
    EXPECT_TRUE(w.lines({"timed event: "}).empty()) << "a one-shot event is done";

    // The boat creaks on the frame-sound channel.
    d.click(200, 290);
    EXPECT_EQ(w.sounds().back(), "sound: 7 = creak.wav (-800, once)");
    d.wait(4000);

    d.click(380, 350);
    ASSERT_EQ(w.frame(), "Cottage");
    // Indoors: the music stops, the wind died away with the slide, an old-style sound file
    // starts the clock on channel 3.
    EXPECT_EQ(w.sounds(), std::vector<std::string>{"sound: 3 = clock.wav (-800, loop)"});
    d.click(450, 230);
    EXPECT_EQ(w.items(), std::vector<std::string>{"item: 1 = wick"});
    EXPECT_EQ(w.lines({"message: "}), std::vector<std::string>{"message: A spare lamp wick."});
    d.wait(4000);
    EXPECT_TRUE(w.lines({"message: "}).empty());
    EXPECT_FALSE(d.player().game().inventory().panelOpen());
    // The key is picked up by a script, which also gives its message.
    d.click(590, 150);
    EXPECT_EQ(w.items(), (std::vector<std::string>{"item: 1 = wick", "item: 2 = key"}));
    EXPECT_EQ(w.sounds(), (std::vector<std::string>{"sound: 3 = clock.wav (-800, loop)",
                                                    "sound: 6 = jingle.wav (-1200, once)"}))
        << "the key's hotspot sound";
    EXPECT_EQ(w.lines({"message: "}),
              std::vector<std::string>{"message: The keeper's key to the lighthouse."});
    d.wait(4000);
    auto cottageSpots = w.lines({"hotspot: "});
    EXPECT_EQ(cottageSpots.size(), 2u)
        << "wick and key are gone from the cottage: the way out and the hearth are left";
    EXPECT_EQ(w.lines({"hotspot video: "}),
              std::vector<std::string>{"hotspot video: 4 = fire.mpg at 250,360 size 120x80 (playing)"});

    // The way out of the cottage is a script: a variable, a saved parameter that the harbour
    // reads back, then GoToFrame to the frame it came from.
    d.click(300, 460);
    ASSERT_EQ(w.frame(), "Harbour");
    EXPECT_EQ(w.variable("visited_cottage"), "1");
    EXPECT_EQ(w.variable("visits"), "2");
    EXPECT_EQ(w.variable("logged_visits"), "1") << "the count when the cottage was left";
    EXPECT_TRUE(w.lines({"text: 5"}).empty()) << "the gull waits again";
    EXPECT_EQ(d.player().game().framesHistory(), (std::vector<std::string>{"Intro", "Harbour"}));
    d.wait(2000);
    EXPECT_EQ(w.sounds(), (std::vector<std::string>{"sound: 1 = wind.wav (-1600, loop)",
                                                    "sound: 6 = waves.wav (-1200, loop)"}))
        << "the clock stopped, the sea and the wind are back";
    d.click(50, 450);
    ASSERT_EQ(w.frame(), "Beach");
    // The wind gave its player up to the surf in a cross-fade that ran with the slide.
    EXPECT_EQ(w.sounds(), (std::vector<std::string>{"sound: 2 = surf.wav (-800, loop)",
                                                    "sound: 6 = waves.wav (-1200, loop)"}));
    EXPECT_EQ(w.channel(1), "channel: 1 = player 2, level 8");
    EXPECT_EQ(w.channel(2), "channel: 2 = player 1, level 0");
    // The beach's entry script hides its second text; a script timer shows it three seconds on.
    const std::string tide = "text: 2 = The tide is coming in.";
    auto texts = w.lines({"text: "});
    EXPECT_EQ(std::count(texts.begin(), texts.end(), tide), 0);
    d.click(330, 410);
    EXPECT_EQ(w.items(),
              (std::vector<std::string>{"item: 1 = wick", "item: 2 = key", "item: 3 = oil bottle"}));
    EXPECT_EQ(w.variable("visited_beach"), "1");
    // Saved in the middle of the scripted scene, then loaded after it ended: the same game,
    // and the scene plays again from the frame's entry.
    d.type("on the beach");
    d.answer("SAVE");
    d.key("Ctrl+S");
    const auto itemsSaved = w.items();
    const auto historySaved = d.player().game().framesHistory();
    d.wait(4000);
    texts = w.lines({"text: "});
    EXPECT_EQ(std::count(texts.begin(), texts.end(), tide), 1);
    EXPECT_EQ(w.variable("tide"), "3") << "and then stops";
    d.type("on the beach");
    d.answer("LOAD");
    d.key("Ctrl+L");
    ASSERT_EQ(w.frame(), "Beach");
    EXPECT_EQ(w.items(), itemsSaved);
    EXPECT_EQ(d.player().game().framesHistory(), historySaved);
    EXPECT_EQ(w.variable("visited_beach"), "1");
    EXPECT_EQ(w.variable("visits"), "2");
    texts = w.lines({"text: "});
    EXPECT_EQ(std::count(texts.begin(), texts.end(), tide), 0) << "the entry script ran again";
    d.wait(4000);
    texts = w.lines({"text: "});
    EXPECT_EQ(std::count(texts.begin(), texts.end(), tide), 1);
    EXPECT_EQ(w.variable("tide"), "3");
    d.click(300, 20);
    ASSERT_EQ(w.frame(), "Harbour");
    // Back without a transition: the fade timer cross-fades the surf out and the wind in (the
    // loaded game started its channels afresh, so the surf was on player 1).
    EXPECT_EQ(w.channel(1), "channel: 1 = player 2, level 6, fading out player 1");
    const std::uint64_t back = w.now();
    d.wait(2000);
    EXPECT_EQ(w.channel(1), "channel: 1 = player 2, level 6");
    EXPECT_EQ(w.sounds(), (std::vector<std::string>{"sound: 2 = wind.wav (-1600, loop)",
                                                    "sound: 6 = waves.wav (-1200, loop)"}));
    EXPECT_GT(w.level(back, back + 1500), 0.01);

    d.move(300, 2);
    EXPECT_TRUE(d.player().game().inventory().panelOpen());
    d.drag(26, 26, 110, 26);
    EXPECT_EQ(w.items(), (std::vector<std::string>{"item: 1 = key", "item: 2 = lamp fuel"}));
    d.move(300, 300);
    d.wait(4000);
    EXPECT_FALSE(d.player().game().inventory().panelOpen());

    // To the lighthouse with alpha blending: half-way, the picture is half the harbour and
    // half the bricks; the wind fades out with the blend and the tune takes over from the sea.
    const platform::Pixel harbourPixel = w.framePixel(100, 100);
    struct Sample {
        double f;
        platform::Pixel pixel;
    };
    std::vector<Sample> blend;
    platform::TimerElement& watch = d.player().game().form().addTimer("WatchTransition");
    std::uint64_t began = 0;
    watch.onTimer = [&] {
        if (!d.player().flags().TransitionRunning) return;
        if (!began) began = w.now();
        blend.push_back({double(w.now() - began) / 1000.0, w.framePixel(100, 100)});
    };
    watch.setInterval(50);
    watch.setEnabled(true);
    d.click(580, 150);
    watch.setEnabled(false);
    ASSERT_EQ(w.frame(), "Lighthouse");
    const platform::Pixel towerPixel = w.framePixel(100, 100);
    ASSERT_GE(blend.size(), 10u);
    const Sample& half = *std::min_element(blend.begin(), blend.end(), [](const Sample& a, const Sample& b) {
        return std::abs(a.f - 0.5) < std::abs(b.f - 0.5);
    });
    for (int shift : {0, 8, 16}) {
        const double from = (harbourPixel >> shift) & 0xFF, to = (towerPixel >> shift) & 0xFF;
        EXPECT_NEAR((half.pixel >> shift) & 0xFF, from + (to - from) * half.f, 12)
            << "channel at bit " << shift;
    }
    EXPECT_EQ(w.sounds(), std::vector<std::string>{"sound: 6 = shanty.mid (-1200, loop)"});
    d.wait(1000);
    EXPECT_GT(w.level(w.now() - 1000, w.now()), 0.005) << "the tune is heard";
    auto spots = w.lines({"hotspot: "});
    EXPECT_EQ(spots.size(), 2u) << "the door and the way back; the doorway is closed";
    d.move(300, 2);
    d.drag(26, 26, 320, 330);
    EXPECT_EQ(w.variable("door_open"), "1");
    EXPECT_EQ(w.items(), std::vector<std::string>{"item: 1 = lamp fuel"});
    EXPECT_EQ(w.lines({"message: "}),
              std::vector<std::string>{"message: The key turns. The door swings open."});
    d.wait(4000);

    d.click(320, 330);
    ASSERT_EQ(w.frame(), "LanternRoom");
    EXPECT_EQ(w.sounds(), std::vector<std::string>{"sound: 6 = shanty.mid (-1200, loop)"})
        << "the tune goes on";
    // Gusts every two seconds toggle the wind's text; the third one removes its own event.
    const std::string wind = "text: 3 = The wind rattles the glass.";
    // A gauge on the wall, the sample component, counts them: its event tells the game.
    EXPECT_EQ(
        w.lines({"component: "}),
        std::vector<std::string>{"component: gauge = Counter.Sample at 500,120 size 100x100 (visible)"});
    d.wait(2050);
    EXPECT_EQ(w.variable("gusts"), "1");
    EXPECT_EQ(w.variable("gauge_gusts"), "1");
    EXPECT_EQ(w.lines({"text: 3"}), std::vector<std::string>{wind});
    d.wait(6000);
    EXPECT_EQ(w.variable("gusts"), "3") << "and no more once removed";
    EXPECT_EQ(w.variable("gauge_gusts"), "3");
    EXPECT_EQ(w.lines({"text: 3"}), std::vector<std::string>{wind});
    EXPECT_TRUE(w.lines({"timed event: "}).empty());
    d.move(300, 2);
    d.drag(26, 26, 320, 250);
    EXPECT_EQ(w.frame(), "Ending");
    EXPECT_EQ(w.variable("lantern_lit"), "1");
    EXPECT_EQ(w.sounds(), std::vector<std::string>{"sound: 7 = chime.wav (-800, once)"});
    EXPECT_TRUE(w.items().empty());
    EXPECT_EQ(d.player().game().framesHistory(),
              (std::vector<std::string>{"Intro", "Harbour", "Lighthouse", "LanternRoom", "Ending"}))
        << "going back takes the frame off the history";

    d.wait(6500);
    EXPECT_FALSE(d.player().game().loaded());
    EXPECT_EQ(d.player().ui().activeForm(), &d.player().welcome().form());
    EXPECT_FALSE(d.ended());
    for (int i = 1; i <= 7; ++i)
        EXPECT_NE(d.player().audio().MPlayer(i).PlayState(), platform::MediaPlayer::kPlaying)
            << "player " << i;
    // Only the save and load windows were shown.
    for (const auto& b : d.boxes())
        EXPECT_EQ(b.kind, "window") << b.text;
}

// Old Abel on the pier talks: his questions show and hide each other, one gives the matches,
// one answers in its own time, and the goodbye ends the conversation and leads back.
TEST(DemoWalkthrough, AbelTalksOnThePier) {
    Walk w;
    HeadlessDriver& d = w.d();
    d.click(150, 85);
    for (int i = 0; i < 50 && w.frame() != "Harbour"; ++i)
        d.wait(10);
    ASSERT_EQ(w.frame(), "Harbour");
    d.click(87, 337);
    ASSERT_EQ(w.frame(), "Abel");
    EXPECT_EQ(
        w.lines({"dialogue: ", "question: "}),
        (std::vector<std::string>{"dialogue: Abel", "question: 1 \"Who are you?\" at 24,388 (not asked)",
                                  "question: 5 \"Where is the key to the tower?\" at 24,412 (not asked)",
                                  "question: 6 \"Goodbye, Abel.\" at 24,436 (not asked)"}));

    EXPECT_EQ(w.lines({"component state: ", "sound: voice"}),
              (std::vector<std::string>{"component state: voice = idle",
                                        "sound: voice(2) = Voice\\ambient.wav (-2400, once)"}))
        << "the sea on the voice's first track";

    // The answer stays until its message's time is up; meanwhile the panel is away, and the
    // question is spoken, Abel's answer following at once.
    std::vector<std::string> during;
    d.setNestedSteps([&] {
        during = w.lines({"text: 2", "message: ", "component state: ", "dialogue: ", "sound: voice(0)"});
        return false;
    });
    const std::uint64_t asked = w.now();
    w.ask("Who are you?");
    d.setNestedSteps(nullptr);
    EXPECT_EQ(during, (std::vector<std::string>{
                          "text: 2 = You: Who are you?",
                          "message: Abel. I kept the light for forty years, before my eyes went.",
                          "component state: voice = question", "dialogue: Abel (waiting)",
                          "sound: voice(0) = Voice\\q1.wav (0, once)"}));
    EXPECT_GE(w.now() - asked, 5000u);
    EXPECT_GT(w.level(asked + 100, asked + 700), w.level(asked - 1500, asked - 100) * 1.5)
        << "the spoken question is heard over the sea";
    EXPECT_EQ(w.variable("abel_met"), "1");
    EXPECT_EQ(w.lines({"question: "}).size(), 4u) << "he is asked; the lantern and the gulls open up";
    EXPECT_EQ(w.lines({"component state: "}), std::vector<std::string>{"component state: voice = answer"});
    d.wait(1500);
    EXPECT_EQ(w.lines({"component state: "}), std::vector<std::string>{"component state: voice = idle"});
    EXPECT_TRUE(w.lines({"text: 2"}).empty()) << "the spoken line is over: its text goes";

    // The number keys pick the questions in the panel's order; the space bar cuts the spoken
    // question short for its answer.
    int step = 0;
    d.setNestedSteps([&] {
        if (step++ == 0) {
            d.wait(300);
            d.key("Space");
            d.wait(300);
            return true;
        }
        during = w.lines({"component state: ", "sound: voice(1)"});
        return false;
    });
    d.key("1");
    d.setNestedSteps(nullptr);
    EXPECT_EQ(during, (std::vector<std::string>{"component state: voice = answer",
                                                "sound: voice(1) = Voice\\a2.wav (0, once)"}));
    w.ask("How do I light it again?");
    EXPECT_EQ(w.items(), std::vector<std::string>{"item: 1 = matches"});
    const std::uint64_t gulls = w.now();
    w.ask("Tell me about the gulls.");
    EXPECT_NEAR(double(w.now() - gulls), 3000.0, 60.0) << "a timed answer";
    EXPECT_EQ(
        w.lines({"question: "}),
        (std::vector<std::string>{"question: 5 \"Where is the key to the tower?\" at 24,412 (not asked)",
                                  "question: 6 \"Goodbye, Abel.\" at 24,436 (not asked)"}))
        << "a shorter panel, still at the bottom";
    w.ask("Goodbye, Abel.");
    EXPECT_EQ(w.frame(), "Harbour");
    EXPECT_TRUE(w.lines({"dialogue: ", "question: "}).empty());
    EXPECT_TRUE(d.boxes().empty()) << d.boxes()[0].text;
}

// The same game with the keys alone: Enter on the welcome window, Tab and Enter over hotspots
// and items, I for the panel, Ctrl+S and Ctrl+L for the save windows, the number keys in the
// conversation.
TEST(DemoWalkthrough, WithTheKeysAlone) {
    Walk w;
    HeadlessDriver& d = w.d();
    d.key("Tab");
    EXPECT_EQ(w.lines({"highlight: "}), std::vector<std::string>{"highlight: Start"});
    d.key("Tab");
    d.key("Shift+Tab");
    d.key("Enter");
    for (int i = 0; i < 50 && w.frame() != "Harbour"; ++i)
        d.wait(10);
    ASSERT_EQ(w.frame(), "Harbour");

    // Abel: the lantern question gives the matches; goodbye leads back.
    w.tabTo(87, 337);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "Abel");
    w.askByKey("Who are you?");
    d.wait(2000);
    ASSERT_EQ(w.lines({"question: "}).size(), 4u);
    d.key("1"); // the lantern's question, which opens the next
    d.wait(2000);
    w.askByKey("How do I light it again?");
    d.wait(2000);
    EXPECT_EQ(w.items(), std::vector<std::string>{"item: 1 = matches"});
    w.askByKey("Goodbye, Abel.");
    d.wait(2000);
    ASSERT_EQ(w.frame(), "Harbour");

    w.tabTo(380, 350);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "Cottage");
    w.tabTo(450, 230);
    d.key("Enter");
    d.wait(4000);
    w.tabTo(590, 150);
    d.key("Enter");
    d.wait(4000);
    EXPECT_EQ(w.items(), (std::vector<std::string>{"item: 1 = matches", "item: 2 = wick", "item: 3 = key"}));
    w.tabTo(300, 460);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "Harbour");
    w.tabTo(50, 450);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "Beach");
    w.tabTo(330, 410);
    d.key("Enter");
    EXPECT_EQ(w.items().back(), "item: 4 = oil bottle");

    // Saved and loaded from the keyboard: a typed name and Enter in each window.
    d.type("keys only");
    d.answer("SAVE");
    d.key("Ctrl+S");
    d.wait(4000);
    d.type("keys only");
    d.answer("LOAD");
    d.key("Ctrl+L");
    ASSERT_EQ(w.frame(), "Beach");
    EXPECT_EQ(w.items().size(), 4u);
    w.tabTo(300, 20);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "Harbour");

    // The wick taken with Enter and used on the oil bottle makes the lamp fuel.
    d.key("I");
    ASSERT_TRUE(d.player().game().inventory().panelOpen());
    w.tabToItem("wick");
    d.key("Enter");
    EXPECT_EQ(w.lines({"holding: "}), std::vector<std::string>{"holding: item 2 = wick"});
    w.tabToItem("oil bottle");
    d.key("Enter");
    EXPECT_EQ(w.items(),
              (std::vector<std::string>{"item: 1 = matches", "item: 2 = key", "item: 3 = lamp fuel"}));
    d.key("I");
    d.wait(4000);

    w.tabTo(580, 150);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "Lighthouse");
    if (!d.player().game().inventory().panelOpen()) d.key("I");
    w.tabToItem("key");
    d.key("Enter");
    w.tabTo(320, 330);
    d.key("Enter");
    EXPECT_EQ(w.variable("door_open"), "1");
    d.wait(4000);
    w.tabTo(320, 330);
    d.key("Enter");
    ASSERT_EQ(w.frame(), "LanternRoom");
    if (!d.player().game().inventory().panelOpen()) d.key("I");
    w.tabToItem("lamp fuel");
    d.key("Enter");
    w.tabTo(320, 250);
    d.key("Enter");
    EXPECT_EQ(w.frame(), "Ending");
    EXPECT_EQ(w.variable("lantern_lit"), "1");
    d.wait(6500);
    EXPECT_FALSE(d.player().game().loaded()) << "the ending leads back to the welcome window";
    for (const auto& b : d.boxes())
        EXPECT_EQ(b.kind, "window") << b.text;
}

} // namespace
} // namespace run
