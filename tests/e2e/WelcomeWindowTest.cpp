// The welcome window end to end: its layout for what the project fills in, its buttons and
// texts, the contact questions, the resolution offer and what it paints.
#include "tests/e2e/Play.h"

#include <functional>

namespace run {
namespace {

using platform::DisplayMode;
using testing::BasicInfo;
using testing::Play;

constexpr int kBorderHeight = 30;
constexpr int kFirstLineTop = 3000;
constexpr int kLineStep = 255;

struct LayoutCase {
    const char* what;
    std::function<void(ProjectInfo&)> change;
    DisplayMode desktop;
    std::vector<const char*> lines; // value elements shown, top to bottom
};

class WelcomeLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(WelcomeLayoutTest, LinesStackAndTheWindowFitsThem) {
    const LayoutCase& c = GetParam();
    Play play;
    ProjectInfo info = BasicInfo();
    c.change(info);
    play.project.general(info);
    play.start(c.desktop);
    ASSERT_TRUE(play.welcomeActive());

    const std::vector<std::pair<const char*, const char*>> all = {{"txtVersion", nullptr},
                                                                  {"txtAuthor", "lblAuthor"},
                                                                  {"txtEmail", "lblEmail"},
                                                                  {"txtHomepage", "lblHomepage"},
                                                                  {"lblResolution", "chkResolution"}};
    int shown = 0;
    for (const auto& [value, label] : all) {
        bool expected = std::find_if(c.lines.begin(), c.lines.end(),
                                     [&](const char* n) { return std::string(n) == value; }) != c.lines.end();
        EXPECT_EQ(play.element(value).visible, expected) << value;
        if (label) {
            EXPECT_EQ(play.element(label).visible, expected) << label;
        }
        if (!expected) continue;
        int top = kFirstLineTop + kLineStep * shown++;
        EXPECT_EQ(play.element(value).top, top) << value;
        if (label) {
            EXPECT_EQ(play.element(label).top, std::string(label) == "chkResolution" ? top + 30 : top)
                << label;
        }
    }
    // Each missing line makes the window one line step shorter.
    EXPECT_EQ(play.welcome().height,
              kBorderHeight + 150 + kFirstLineTop + kLineStep * static_cast<int>(c.lines.size()));
    EXPECT_EQ(play.element("imgLogo").height, play.welcome().height - kBorderHeight)
        << "the logo runs the full height";
}

const DisplayMode kLargeDesktop{1280, 1024, 60, 32};

INSTANTIATE_TEST_SUITE_P(
    Projects, WelcomeLayoutTest,
    ::testing::Values(LayoutCase{"everything",
                                 [](ProjectInfo&) {},
                                 kLargeDesktop,
                                 {"txtVersion", "txtAuthor", "txtEmail", "txtHomepage", "lblResolution"}},
                      LayoutCase{"no_version",
                                 [](ProjectInfo& i) { i.VersionText.clear(); },
                                 kLargeDesktop,
                                 {"txtAuthor", "txtEmail", "txtHomepage", "lblResolution"}},
                      LayoutCase{"no_author",
                                 [](ProjectInfo& i) { i.Author.clear(); },
                                 kLargeDesktop,
                                 {"txtVersion", "txtEmail", "txtHomepage", "lblResolution"}},
                      LayoutCase{"no_email",
                                 [](ProjectInfo& i) { i.Email.clear(); },
                                 kLargeDesktop,
                                 {"txtVersion", "txtAuthor", "txtHomepage", "lblResolution"}},
                      LayoutCase{"no_homepage",
                                 [](ProjectInfo& i) { i.Homepage.clear(); },
                                 kLargeDesktop,
                                 {"txtVersion", "txtAuthor", "txtEmail", "lblResolution"}},
                      LayoutCase{"no_offer",
                                 [](ProjectInfo& i) { i.OfferResolutionChange = 0; },
                                 kLargeDesktop,
                                 {"txtVersion", "txtAuthor", "txtEmail", "txtHomepage"}},
                      LayoutCase{"desktop_at_project_size",
                                 [](ProjectInfo&) {},
                                 {640, 480, 60, 32},
                                 {"txtVersion", "txtAuthor", "txtEmail", "txtHomepage"}},
                      LayoutCase{"desktop_1024_project_1024",
                                 [](ProjectInfo& i) { i.ProjectResolution = 2; },
                                 {1024, 768, 60, 32},
                                 {"txtVersion", "txtAuthor", "txtEmail", "txtHomepage"}},
                      LayoutCase{"desktop_800_wide_other_height",
                                 [](ProjectInfo& i) { i.ProjectResolution = 1; },
                                 {800, 500, 60, 32},
                                 {"txtVersion", "txtAuthor", "txtEmail", "txtHomepage", "lblResolution"}},
                      LayoutCase{"title_only",
                                 [](ProjectInfo& i) {
                                     i.VersionText.clear();
                                     i.Author.clear();
                                     i.Email.clear();
                                     i.Homepage.clear();
                                     i.OfferResolutionChange = 0;
                                 },
                                 kLargeDesktop,
                                 {}}),
    [](const ::testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.what); });

TEST(WelcomeLoadButton, HiddenWhenDisabledOrWithoutCaptionAndExitMovesUp) {
    const struct {
        const char* what;
        bool disableLoad;
        int textsMode;
        std::vector<std::string> overrides;
        bool loadShown;
    } cases[] = {
        {"load allowed", false, 1, {}, true},
        {"DisableLoadGame", true, 1, {}, false},
        {"empty Load caption", false, 2, {"Begin", ""}, false},
    };
    for (const auto& c : cases) {
        Play play;
        ProjectInfo info = BasicInfo();
        info.DisableLoadGame = c.disableLoad;
        play.project.general(info).texts(c.textsMode, c.overrides);
        play.start();
        EXPECT_EQ(play.element("lblButton", 1).visible, c.loadShown) << c.what;
        EXPECT_EQ(play.element("lblButton", 2).top, c.loadShown ? 2040 : 1560) << c.what;
        EXPECT_EQ(play.element("lblButton", 0).top, 1080) << c.what;

        play.click("lblButton", 2);
        EXPECT_TRUE(play.driver->ended()) << c.what << ": Exit ends the program wherever it stands";
    }
}

TEST(WelcomeButtons, CaptionsFollowTheTextsFile) {
    const struct {
        int mode; // -1: no Texts file
        const char* start;
        const char* load;
    } cases[] = {
        {-1, "Start", "  Load..."}, {0, "Start", "  Load..."}, {1, "Start New Game", "Load Game..."}};
    for (const auto& c : cases) {
        Play play;
        play.project.general(BasicInfo());
        if (c.mode >= 0) play.project.texts(c.mode);
        play.start();
        EXPECT_EQ(play.element("lblButton", 0).caption, c.start) << c.mode;
        EXPECT_EQ(play.element("lblButton", 1).caption, c.load) << c.mode;
        EXPECT_EQ(play.element("lblButton", 2).caption, "Exit") << c.mode;
        EXPECT_EQ(play.element("lblAuthor").caption, "Created By:") << c.mode;
        EXPECT_TRUE(play.element("lblButton", 0).width > 0) << "buttons are sized to their captions";
    }
}

TEST(WelcomeEnd, EscapeAndExitEndTheProgram) {
    for (bool useEscape : {true, false}) {
        Play play;
        play.project.general(BasicInfo());
        auto& d = play.start();
        ASSERT_FALSE(d.ended());
        if (useEscape) {
            EXPECT_TRUE(d.key("Escape"));
        } else {
            play.click("lblButton", 2);
        }
        EXPECT_TRUE(d.ended()) << (useEscape ? "Escape" : "Exit");
        EXPECT_FALSE(play.player().ui().isLoaded(play.welcome()));
        EXPECT_EQ(d.state().front(), "window: (ended)");
    }
}

// The keys go round the shown buttons (a hidden Load is skipped) and the resolution box.
TEST(WelcomeKeys, TabSkipsHiddenButtonsSpaceTicksEnterPresses) {
    Play play;
    ProjectInfo info = BasicInfo();
    info.DisableLoadGame = true;
    play.project.general(info);
    auto& d = play.start();
    auto highlight = [&] {
        for (const auto& l : d.state())
            if (l.rfind("highlight: ", 0) == 0) return l.substr(11);
        return std::string();
    };
    EXPECT_EQ(highlight(), "") << "no highlight before a key";
    std::vector<std::string> round;
    for (int i = 0; i < 4; ++i) {
        d.key("Tab");
        round.push_back(highlight());
    }
    EXPECT_EQ(round, (std::vector<std::string>{"Start", "Exit", "Resolution", "Start"}));
    EXPECT_TRUE(play.element("KeyFocus").visible);
    d.key("Up");
    d.key("Space");
    EXPECT_EQ(play.element("chkResolution").value, 0);
    d.key("Shift+Tab");
    ASSERT_EQ(highlight(), "Exit");
    d.key("Enter");
    EXPECT_TRUE(d.ended());
}

struct ContactCase {
    const char* what;
    const char* element;
    const char* answer;
    bool opens;
};

class WelcomeContactTest : public ::testing::TestWithParam<ContactCase> {};

TEST_P(WelcomeContactTest, QuestionThenTheDefaultHandler) {
    const ContactCase& c = GetParam();
    Play play;
    const ProjectInfo info = BasicInfo();
    play.project.general(info).texts(1);
    auto& d = play.start();
    d.answer(c.answer);
    play.click(c.element);

    const UiText& t = play.player().project().uiText;
    ASSERT_EQ(d.boxes().size(), 1u);
    const auto& box = d.boxes()[0];
    EXPECT_EQ(box.answer, c.answer);
    EXPECT_EQ(box.style & 7, platform::kYesNo);
    std::string target;
    if (std::string(c.element) == "txtEmail") {
        EXPECT_EQ(box.title, info.AdventureName);
        EXPECT_EQ(box.text, t[13] + " " + info.Email + " ?");
        target = "mailto:" + info.Email;
    } else if (std::string(c.element) == "txtHomepage") {
        EXPECT_EQ(box.title, info.AdventureName);
        EXPECT_EQ(box.text, t[14] + " " + info.Homepage + " ? " + t[15]);
        target = info.Homepage;
    } else {
        target = WelcomeWindow::kProductAddress;
        EXPECT_NE(box.text.find(target), std::string::npos);
    }
    EXPECT_EQ(d.backend().openedTargets(),
              c.opens ? std::vector<std::string>{target} : std::vector<std::string>{});
    EXPECT_TRUE(play.welcomeActive());
    EXPECT_FALSE(d.ended());
}

INSTANTIATE_TEST_SUITE_P(Links, WelcomeContactTest,
                         ::testing::Values(ContactCase{"email_yes", "txtEmail", "Yes", true},
                                           ContactCase{"email_no", "txtEmail", "No", false},
                                           ContactCase{"homepage_yes", "txtHomepage", "Yes", true},
                                           ContactCase{"homepage_no", "txtHomepage", "No", false},
                                           ContactCase{"logo_yes", "imgLogo", "Yes", true},
                                           ContactCase{"logo_no", "imgLogo", "No", false}),
                         [](const ::testing::TestParamInfo<ContactCase>& info) {
                             return std::string(info.param.what);
                         });

TEST(WelcomeResolutionOffer, ToggleIsSavedAndReadBackByTheNextPlayer) {
    Play play;
    const ProjectInfo info = BasicInfo();
    play.project.general(info);
    play.start();
    EXPECT_EQ(play.element("chkResolution").value, 1) << "ticked unless the player said otherwise";
    EXPECT_EQ(play.element("lblResolution").caption, "Change display resolution to 640x480.");

    play.click("lblResolution");
    EXPECT_EQ(play.element("chkResolution").value, 0);
    EXPECT_EQ(platform::SettingsStore(play.settingsFile)
                  .get("Software", info.ProjectRegistryName, "ChangeResolution", ""),
              "0");

    play.start();
    EXPECT_EQ(play.element("chkResolution").value, 0) << "a second player reads the saved choice";
    play.click("chkResolution");
    EXPECT_EQ(play.element("chkResolution").value, 1);
    EXPECT_EQ(platform::SettingsStore(play.settingsFile)
                  .get("Software", info.ProjectRegistryName, "ChangeResolution", ""),
              "1");
}

TEST(WelcomeDrag, WindowFollowsThePointerDraggingItsTitle) {
    Play play;
    play.project.general(BasicInfo());
    auto& d = play.start();
    const int left = play.welcome().left, top = play.welcome().top;
    const platform::Rect title = platform::ElementRectOnForm(play.element("txtAdventureName"));
    d.drag(title.x + 4, title.y + 4, title.x + 44, title.y - 16);
    EXPECT_EQ(play.welcome().left - left, platform::PixelsToTwips(40));
    EXPECT_EQ(play.welcome().top - top, platform::PixelsToTwips(-20));
    EXPECT_FALSE(d.ended());
    EXPECT_TRUE(d.backend().openedTargets().empty());
}

TEST(WelcomePixels, TitleColourInTheTitleAreaAndBackgroundElsewhere) {
    Play play;
    play.project.general(BasicInfo());
    auto& d = play.start();
    const platform::Canvas shot = d.screenshot();
    ASSERT_EQ(shot.width(), platform::TwipsToPixels(play.welcome().width));
    ASSERT_EQ(shot.height(), platform::TwipsToPixels(play.welcome().height));

    const platform::Element& title = play.element("txtAdventureName");
    const platform::Pixel titleColour = platform::PixelFromColorRef(title.foreColor);
    const platform::Pixel back = platform::PixelFromColorRef(play.welcome().backColor);
    ASSERT_NE(titleColour, back);
    const platform::Rect area = platform::ElementRectOnForm(title);
    const platform::Rect logo = platform::ElementRectOnForm(play.element("imgLogo"));
    int titlePixels = 0, elsewhere = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != titleColour || logo.contains(x, y)) continue;
            if (area.contains(x, y))
                ++titlePixels;
            else
                ++elsewhere;
        }
    }
    EXPECT_GT(titlePixels, 50) << "the title is drawn in its colour";
    EXPECT_EQ(elsewhere, 0) << "no other text shares the title's colour";
    EXPECT_EQ(d.pixel(4, 4), back);
    EXPECT_EQ(shot.pixel(area.x + 2, area.y + area.h + 5), back) << "between the title and the buttons";
}

} // namespace
} // namespace run
