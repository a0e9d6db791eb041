// Leaving the welcome window for the game and back: the display switch and its undoing, the
// skipped welcome window, Ctrl+Q, and the start-up paths that end the program early.
#include "tests/e2e/Play.h"

namespace run {
namespace {

using testing::BasicInfo;
using testing::Play;

void QuitGame(HeadlessDriver& d) {
    d.answer("Yes");
    ASSERT_TRUE(d.key("Ctrl+Q"));
    d.wait(500);
}

TEST(GameStart, StartWithTheBoxTickedSwitchesTheDisplayAndUnloadRestoresIt) {
    Play play;
    play.project.general(BasicInfo());
    auto& d = play.start();
    ASSERT_TRUE(play.element("chkResolution").visible);
    ASSERT_EQ(play.element("chkResolution").value, 1);

    play.click("lblButton", 0);
    ASSERT_TRUE(play.gameActive());
    EXPECT_EQ(d.backend().desktopMode().width, 640);
    EXPECT_EQ(d.backend().desktopMode().height, 480);
    ASSERT_EQ(d.backend().modeChanges().size(), 1u) << "one switch, made before the game window shows";
    EXPECT_EQ(play.player().game().form().width, 640 * platform::kTwipsPerPixel)
        << "the game window fills the new screen";
    EXPECT_FALSE(d.backend().windowVisible(play.welcome().id()));

    QuitGame(d);
    ASSERT_EQ(d.boxes().size(), 1u);
    EXPECT_EQ(d.boxes()[0].text, "Do you really want to quit?");
    EXPECT_EQ(d.boxes()[0].title, BasicInfo().AdventureName);
    EXPECT_FALSE(play.player().game().loaded());
    EXPECT_EQ(d.backend().desktopMode().width, 1280);
    EXPECT_EQ(d.backend().desktopMode().height, 1024);
    EXPECT_TRUE(play.welcomeActive()) << "the welcome window comes back";
    EXPECT_FALSE(d.ended());
}

TEST(GameStart, SecondGameAfterQuittingStartsAfresh) {
    Play play;
    play.project.general(BasicInfo());
    auto& d = play.start();
    for (int round = 1; round <= 2; ++round) {
        play.click("lblButton", 0);
        ASSERT_TRUE(play.gameActive()) << "round " << round;
        EXPECT_TRUE(play.player().game().form().enabled) << "round " << round;
        EXPECT_EQ(d.backend().desktopMode().width, 640) << "round " << round;
        QuitGame(d);
        EXPECT_TRUE(play.welcomeActive()) << "round " << round;
        EXPECT_EQ(d.backend().desktopMode().width, 1280) << "round " << round;
    }
    EXPECT_EQ(d.backend().modeChanges().size(), 4u);
    EXPECT_FALSE(d.ended());
}

TEST(GameStart, NoSwitchWithoutTheTickOrTheOffer) {
    const struct {
        const char* what;
        int projectResolution;
        platform::DisplayMode desktop;
        bool untick;
    } cases[] = {
        {"box unticked", 0, {1280, 1024, 60, 32}, true},
        {"desktop 1024x768 and a 1024x768 project", 2, {1024, 768, 60, 32}, false},
        {"desktop 800 wide with another height", 1, {800, 500, 60, 32}, false},
    };
    for (const auto& c : cases) {
        Play play;
        ProjectInfo info = BasicInfo();
        info.ProjectResolution = static_cast<std::int16_t>(c.projectResolution);
        play.project.general(info);
        auto& d = play.start(c.desktop);
        if (c.untick) play.click("chkResolution");
        play.click("lblButton", 0);
        EXPECT_TRUE(play.gameActive()) << c.what;
        EXPECT_TRUE(d.backend().modeChanges().empty()) << c.what;
        EXPECT_TRUE(d.boxes().empty()) << c.what;
        QuitGame(d);
        EXPECT_TRUE(d.backend().modeChanges().empty()) << c.what << ": nothing to restore";
        EXPECT_TRUE(play.welcomeActive()) << c.what;
    }
}

TEST(GameStart, AnsweringNoToQuitKeepsTheGame) {
    Play play;
    play.project.general(BasicInfo());
    auto& d = play.start();
    play.click("lblButton", 0);
    d.answer("No");
    d.key("Ctrl+Q");
    d.wait(2000);
    EXPECT_TRUE(play.gameActive());
    EXPECT_TRUE(play.player().game().form().enabled);
}

TEST(GameStart, SkippedWelcomeWindowGoesStraightToTheGameAndQuitEndsTheProgram) {
    Play play;
    ProjectInfo info = BasicInfo();
    info.SkipWelcomeWindow = true;
    play.project.general(info);
    auto& d = play.start();
    EXPECT_TRUE(play.gameActive());
    EXPECT_FALSE(d.backend().windowVisible(play.welcome().id())) << "never shown";
    EXPECT_TRUE(d.backend().modeChanges().empty()) << "no display switch without the window's offer";
    EXPECT_EQ(d.state().front(), "window: Game");

    d.answer("Yes");
    d.key("Ctrl+Q");
    EXPECT_FALSE(d.ended()) << "the window unloads a moment later";
    EXPECT_FALSE(play.player().game().form().enabled) << "and takes no input meanwhile";
    d.wait(500);
    EXPECT_TRUE(d.ended());
    EXPECT_FALSE(d.backend().windowVisible(play.welcome().id()));
    EXPECT_EQ(d.state().front(), "window: (ended)");
}

TEST(StartUpEnds, MissingGeneralWarnsAndEndsTheProgram) {
    Play play;
    play.project.texts(1);
    auto& d = play.start();
    ASSERT_EQ(d.boxes().size(), 1u);
    const UiText& t = play.player().project().uiText;
    const auto& box = d.boxes()[0];
    EXPECT_EQ(box.title, t[29]);
    EXPECT_EQ(box.text, t[33] + " " + play.player().project().paths.config + "General");
    EXPECT_EQ(box.text.find(play.project.folder().string()), t[33].size() + 1) << "the full path is named";
    EXPECT_EQ(box.style & 0x70, platform::kExclamation);
    EXPECT_TRUE(d.ended());
    EXPECT_EQ(play.player().ui().activeForm(), nullptr);
}

TEST(StartUpEnds, LargeFontsQuestion) {
    for (const char* answer : {"No", "Yes", ""}) {
        Play play;
        play.project.general(BasicInfo());
        auto& d = play.prepare();
        play.player().project().systemFont = {"MS Sans Serif", 24};
        if (*answer) d.answer(answer);
        d.start();

        ASSERT_EQ(d.boxes().size(), 1u) << answer;
        const UiText& t = play.player().project().uiText;
        const auto& box = d.boxes()[0];
        EXPECT_EQ(box.title, "!!!");
        EXPECT_EQ(box.text, t[40] + "\r\n\r\n" + t[41]);
        EXPECT_EQ(box.style & 7, platform::kYesNo);
        bool goesOn = std::string(answer) == "Yes";
        EXPECT_EQ(box.answer, goesOn ? "Yes" : "No") << "No is the default";
        EXPECT_EQ(d.ended(), !goesOn) << answer;
        EXPECT_EQ(play.player().project().info.AdventureName, goesOn ? BasicInfo().AdventureName : "")
            << "the project information is read only when the player goes on";
        EXPECT_EQ(play.welcomeActive(), goesOn);
    }
}

TEST(StartUpEnds, SmallSystemFontAsksNothing) {
    Play play;
    play.project.general(BasicInfo());
    auto& d = play.start();
    EXPECT_TRUE(d.boxes().empty());
    EXPECT_TRUE(play.welcomeActive());
}

} // namespace
} // namespace run
