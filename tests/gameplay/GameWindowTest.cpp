// The game window around the frames: which menus the project's switches show, the keys, the
// hidden debug menu and its frame list, the Options kept as per-user settings, leaving the game,
// and frame timers that must not spin.
#include "run/frames/GameMenus.h"
#include "tests/gameplay/GameRig.h"

#include "run/platform/ui/MenuBar.h"

namespace run {
namespace {

using testing::ActionSpec;
using testing::GameRig;
using testing::Go;
using testing::Spot;

bool Shown(GameRig& g, const char* menu) {
    return g.form().get(menu).visible;
}
bool BarShown(GameRig& g) {
    return platform::MenuBar::visible(g.form());
}

TEST(GameMenus, OptionsFollowTheTwoMenuSwitches) {
    struct Row {
        bool option1, option2;
        bool options, transitions, effects;
    };
    for (Row r : {Row{false, false, true, true, true}, Row{true, false, true, false, true},
                  Row{false, true, true, true, false}, Row{true, true, false, false, false}}) {
        GameRig g;
        g.info.MenuOption1 = r.option1;
        g.info.MenuOption2 = r.option2;
        g.start();
        EXPECT_FALSE(BarShown(g));
        ASSERT_TRUE(g.driver->key("Escape"));
        std::string which = std::to_string(r.option1) + std::to_string(r.option2);
        EXPECT_TRUE(BarShown(g)) << which;
        EXPECT_TRUE(Shown(g, "mnuExit")) << which;
        EXPECT_TRUE(Shown(g, "mnuCancel")) << which;
        EXPECT_EQ(Shown(g, "mnuOptions"), r.options) << which;
        if (r.options) {
            EXPECT_EQ(Shown(g, "mnuDisableTransitions"), r.transitions) << which;
            EXPECT_EQ(Shown(g, "mnuDisableEffects"), r.effects) << which;
        }
        EXPECT_FALSE(Shown(g, "mnuDebug")) << which;
        ASSERT_TRUE(g.driver->key("Escape"));
        EXPECT_FALSE(BarShown(g)) << which;
    }
}

TEST(GameMenus, RightClicksToggleTheBarUnlessThereIsNoneOrItStays) {
    {
        GameRig g;
        testing::TextSpec words{1,       "Words", 400 * 15, 400 * 15, false,   false,
                                "Arial", 20,      false,    false,    0xFFFFFF};
        g.project.texts("Start", {words});
        g.start();
        g.driver->click(300, 300, platform::kRightButton);
        EXPECT_TRUE(BarShown(g));
        g.driver->click(300, 300, platform::kRightButton);
        EXPECT_FALSE(BarShown(g));
        // A text takes clicks as the frame does: right shows the bar, left hides it.
        g.driver->click(405, 405, platform::kRightButton);
        EXPECT_TRUE(BarShown(g));
        g.driver->click(405, 405);
        EXPECT_FALSE(BarShown(g));
    }
    {
        GameRig g;
        g.info.NoMenus = true;
        g.start();
        g.driver->key("Escape");
        EXPECT_FALSE(BarShown(g));
        g.driver->click(300, 300, platform::kRightButton);
        EXPECT_FALSE(BarShown(g));
        EXPECT_FALSE(g.game().menus().menusVisible());
    }
    {
        GameRig g;
        g.info.KeepMenusVisible = true;
        g.project.hotspots("Start", {Spot(100, 100, 50, 50)}).actions("Start", {ActionSpec{}});
        g.start();
        EXPECT_TRUE(BarShown(g));
        EXPECT_FALSE(Shown(g, "mnuCancel")) << "nothing to cancel on a bar that stays";
        g.driver->key("Escape");
        g.driver->click(300, 300, platform::kRightButton);
        g.driver->click(300, 300, platform::kRightButton);
        g.driver->click(125, 125, platform::kRightButton);
        g.driver->click(125, 125);
        g.driver->key("Escape");
        EXPECT_TRUE(BarShown(g));
        EXPECT_TRUE(Shown(g, "mnuExit"));
    }
}

TEST(GameMenus, CtrlKeysHonourTheDisabledCommands) {
    GameRig g;
    g.info.DisableSaveGame = true;
    g.start();
    g.driver->key("Ctrl+S");
    EXPECT_TRUE(g.driver->boxes().empty()) << "no save window";
    g.driver->key("Ctrl+L");
    ASSERT_EQ(g.driver->boxes().size(), 1u);
    EXPECT_EQ(g.driver->boxes()[0].kind, "window");
    EXPECT_EQ(g.driver->boxes()[0].title, "Load a previously saved game");

    g.driver->answer("No");
    g.driver->key("Ctrl+Q");
    ASSERT_EQ(g.driver->boxes().size(), 2u);
    EXPECT_EQ(g.driver->boxes()[1].text, "Do you really want to quit?");
    g.driver->wait(1000);
    EXPECT_TRUE(g.game().loaded());
    EXPECT_FALSE(g.flags().Quitting);
}

TEST(GameMenus, DebugSequenceShowsTheFrameListUntilTheBarIsShownAgain) {
    GameRig g;
    g.project.frame("Cellar", testing::Colour(0x101010));
    g.start();
    g.driver->key("Escape");
    ASSERT_TRUE(g.game().menus().menusVisible());
    for (const char* k : {"F9", "F10", "F12", "F11", "F12"})
        g.driver->key(k);
    EXPECT_FALSE(Shown(g, "mnuDebug")) << "out of order";
    for (const char* k : {"F9", "F10", "a", "F11", "F12"})
        g.driver->key(k);
    EXPECT_FALSE(Shown(g, "mnuDebug")) << "a key that is no function key starts the sequence over";
    for (const char* k : {"F9", "F9", "F10", "F11", "F12"})
        g.driver->key(k);
    EXPECT_TRUE(Shown(g, "mnuDebug")) << "a repeated first key starts the sequence again";

    platform::WindowSystem& ui = g.driver->player().ui();
    ASSERT_TRUE(ui.chooseMenu(g.form(), g.form().get("mnuDebug")));
    std::vector<std::string> listed;
    for (platform::Element* e : g.form().arrayMembers("mnuFrameName")) {
        if (e->index > 0) listed.push_back(e->caption);
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"Cellar", "Other", "Start"}));
    ASSERT_TRUE(ui.chooseMenu(g.form(), g.form().get("mnuFrameName", 1)));
    EXPECT_EQ(g.frame(), "Cellar");
    EXPECT_EQ(ui.menuState(g.form()).open, nullptr);

    // Showing the bar again shows it without the Debug menu.
    g.driver->key("Escape");
    g.driver->key("Escape");
    ASSERT_TRUE(g.game().menus().menusVisible());
    EXPECT_FALSE(Shown(g, "mnuDebug"));
}

TEST(GameMenus, MenuOption3TurnsOffTheOptionsAndTheScriptCommands) {
    for (bool option3 : {false, true}) {
        GameRig g;
        g.info.MenuOption3 = option3;
        g.start();
        for (const char* menu :
             {"mnuOptions", "mnuExecuteVBScript", "mnuEditProcedures", "mnuInterceptCode"}) {
            EXPECT_EQ(g.form().get(menu).enabled, !option3) << menu;
        }
        g.driver->key("Escape");
        platform::WindowSystem& ui = g.driver->player().ui();
        EXPECT_EQ(ui.chooseMenu(g.form(), g.form().get("mnuOptions")), !option3);
        EXPECT_TRUE(g.form().get("mnuLoadGame").enabled);
    }
}

TEST(GameMenus, OptionsAreSavedAndReadBackAtTheNextGame) {
    GameRig g;
    g.start();
    platform::WindowSystem& ui = g.driver->player().ui();
    g.driver->key("Escape");
    ASSERT_TRUE(ui.chooseMenu(g.form(), g.form().get("mnuOptions")));
    ASSERT_TRUE(ui.chooseMenu(g.form(), g.form().get("mnuDisableTransitions")));
    ASSERT_TRUE(ui.chooseMenu(g.form(), g.form().get("mnuDisableEffects")));
    ASSERT_TRUE(ui.chooseMenu(g.form(), g.form().get("mnuDisableEffects")));
    EXPECT_TRUE(g.flags().transitionsDisabled);
    EXPECT_FALSE(g.flags().effectsDisabled);
    EXPECT_EQ(g.context().getUserSetting("DisableTransitions", ""), "True");
    EXPECT_EQ(g.context().getUserSetting("DisableEffects", ""), "False");

    // A new game in a new player over the same settings file.
    g.driver.reset();
    g.trace.clear();
    g.start();
    EXPECT_TRUE(g.flags().transitionsDisabled);
    EXPECT_FALSE(g.flags().effectsDisabled);
    EXPECT_EQ(g.form().get("mnuDisableTransitions").value, 1);
    EXPECT_EQ(g.form().get("mnuDisableEffects").value, 0);
}

TEST(GameMenus, ExecuteCodeShowsItsOwnFailureBox) {
    GameRig g;
    g.project.variables({"x", "y"});
    g.start();
    // Code of two lines runs, but the settings file cannot keep it: the command says so.
    g.driver->type("x = 1\r\ny = 2");
    ASSERT_TRUE(g.driver->player().ui().chooseMenu(g.form(), g.form().get("mnuExecuteVBScript")));
    EXPECT_EQ(g.var("x"), 1);
    EXPECT_EQ(g.var("y"), 2);
    ASSERT_EQ(g.driver->boxes().size(), 2u);
    const platform::RecordedBox& box = g.driver->boxes()[1];
    EXPECT_EQ(box.title, "Error Executing VBScript Code");
    EXPECT_TRUE(
        box.text.starts_with("Unable to execute the following VBScript code:\r\n\r\nx = 1\r\ny = 2\r\n\r\n"))
        << box.text;
}

TEST(GameWindowLayout, FrameCentredOnTheScreenOrInAWindowUnderTheBar) {
    constexpr int T = platform::kTwipsPerPixel;
    {
        GameRig g;
        g.start();
        platform::Rect f = platform::ElementRectOnForm(g.form().get("PictureBox"));
        EXPECT_EQ(g.form().windowState, 2);
        EXPECT_EQ(g.form().width, 1280 * T);
        EXPECT_EQ(g.form().height, 1024 * T);
        EXPECT_EQ(f.x, 320);
        EXPECT_EQ(f.y, 272);
        EXPECT_EQ(f.w, 640);
        EXPECT_EQ(f.h, 480);
    }
    {
        GameRig g;
        g.info.KeepMenusVisible = true;
        g.start();
        EXPECT_EQ(g.form().windowState, 0);
        EXPECT_EQ(g.form().width, 640 * T);
        EXPECT_EQ(g.form().height, (480 + platform::kMenuBarHeight) * T);
        EXPECT_EQ(g.form().left, 320 * T);
        EXPECT_EQ(g.form().get("PictureBox").top, platform::kMenuBarHeight * T);
    }
    {
        // Taller than the screen: the frame's top stays on it.
        GameRig g;
        g.info.FrameWidth = 1600;
        g.info.FrameHeight = 1200;
        g.start();
        EXPECT_EQ(g.form().get("PictureBox").top, 0);
        EXPECT_EQ(g.form().get("PictureBox").left, (1280 - 1600) / 2 * T);
    }
}

TEST(GameWindowUnloading, QuitReturnsToTheWelcomeWindowOrEndsTheProgram) {
    for (bool skip : {false, true}) {
        GameRig g;
        g.info.SkipWelcomeWindow = skip;
        g.info.OfferResolutionChange = 0;
        ActionSpec quit;
        quit.quit = true;
        g.project.hotspots("Start", {Spot(100, 100, 50, 50)}).actions("Start", {quit});
        g.start();
        platform::WindowSystem& ui = g.driver->player().ui();
        if (!skip) {
            platform::Form& welcome = g.driver->player().welcome().form();
            ASSERT_EQ(ui.activeForm(), &welcome);
            g.driver->player().welcome().ClickButton(0);
        }
        ASSERT_EQ(ui.activeForm(), &g.form());

        g.driver->click(125, 125);
        EXPECT_FALSE(g.form().enabled) << "no input while the game is being left";
        EXPECT_TRUE(g.game().loaded());
        g.driver->wait(500);
        EXPECT_FALSE(g.game().loaded());
        EXPECT_EQ(g.notes("RemoveComponents"), 1);
        if (skip) {
            EXPECT_TRUE(g.driver->ended());
        } else {
            EXPECT_FALSE(g.driver->ended());
            EXPECT_EQ(ui.activeForm(), &g.driver->player().welcome().form());
        }
    }
}

TEST(GameWindowUnloading, ASecondGameInTheSameRunStartsAfresh) {
    GameRig g;
    g.info.SkipWelcomeWindow = false;
    g.info.OfferResolutionChange = 0;
    g.item("key");
    ActionSpec take;
    take.variable = "v";
    take.setOne = true;
    take.disappear = true;
    take.pickItem = "key";
    take.goToFrame = "Other";
    ActionSpec quit;
    quit.quit = true;
    g.project.hotspots("Start", {Spot(100, 100, 50, 50)}).actions("Start", {take});
    g.project.hotspots("Other", {Spot(100, 100, 50, 50)}).actions("Other", {quit});
    g.start();
    WelcomeWindow& welcome = g.driver->player().welcome();
    welcome.ClickButton(0);
    g.driver->click(125, 125);
    ASSERT_EQ(g.frame(), "Other");
    ASSERT_EQ(g.var("v"), 1);
    ASSERT_EQ(g.items(), std::vector<std::string>{"key"});
    ASSERT_EQ(g.variables().Disappear.Count(), 1);
    g.driver->click(125, 125);
    g.driver->wait(500);
    ASSERT_FALSE(g.game().loaded());

    welcome.ClickButton(0);
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_EQ(g.var("v"), 0);
    EXPECT_TRUE(g.items().empty());
    EXPECT_EQ(g.variables().Disappear.Count(), 0);
    EXPECT_EQ(g.game().framesHistory(), std::vector<std::string>{"Start"});
    EXPECT_EQ(g.stateLines("hotspot: "), std::vector<std::string>{"hotspot: 1 at 100,100 size 50x50"})
        << "the hotspot made to disappear in the first game is back";
    EXPECT_FALSE(g.flags().Quitting);
    EXPECT_TRUE(g.driver->boxes().empty());
}

TEST(GameWindowTimers, SelfTargetAndZeroTimersDoNotSpin) {
    GameRig g;
    FrameFile self = testing::Colour(0x400000);
    self.TimerEnabled = true;
    self.TimerSeconds = "0.5";
    self.TimerTarget = "Start";
    g.project.frame("Start", self);
    FrameFile zero = testing::Colour(0x004000);
    zero.TimerEnabled = true;
    zero.TimerSeconds = "0";
    zero.TimerTarget = "Start";
    g.project.frame("Other", zero);
    g.project.hotspots("Start", {Spot(100, 100, 50, 50)}).actions("Start", {Go("Other")});
    g.start();

    g.driver->wait(2100);
    EXPECT_EQ(g.notes("OpenFrame Start"), 1 + 4) << "once on start, then every half second";
    EXPECT_EQ(g.game().framesHistory(), std::vector<std::string>{"Start"});

    g.driver->click(125, 125);
    ASSERT_EQ(g.frame(), "Other");
    int before = g.notes("OpenFrame");
    g.driver->wait(60000);
    EXPECT_EQ(g.notes("OpenFrame"), before) << "a zero interval never fires";
    EXPECT_EQ(g.frame(), "Other");
}

TEST(GameWindowTimers, QuitAndLastVisitedFrameTargets) {
    GameRig g;
    FrameFile back = testing::Colour(0x004000);
    back.TimerEnabled = true;
    back.TimerSeconds = "1";
    back.TimerTarget = "[Last Visited Frame]";
    g.project.frame("Other", back);
    FrameFile quit = testing::Colour(0x000040);
    quit.TimerEnabled = true;
    quit.TimerSeconds = "1";
    quit.TimerTarget = "[QUIT]";
    g.project.frame("End", quit);
    g.project.hotspots("Start", {Spot(100, 100, 50, 50), Spot(200, 100, 50, 50)})
        .actions("Start", {Go("Other"), Go("End")});
    g.start();

    g.driver->click(125, 125);
    g.driver->wait(1100);
    EXPECT_EQ(g.frame(), "Start");
    g.driver->click(225, 125);
    ASSERT_EQ(g.frame(), "End");
    g.driver->wait(1600);
    EXPECT_TRUE(g.driver->ended());
}

} // namespace
} // namespace run
