// The save and load windows as a play script drives them: typed names and pressed buttons from
// the box queues, refusals that keep the window waiting, loading from the welcome window, and
// the game's timers held while a window is open.
#include "run/game/GamePlay.h"
#include "run/game/SavedGames.h"

#include "tests/gameplay/GameRig.h"
#include <fstream>

namespace run {
namespace {

using testing::GameRig;

struct WindowRig : GameRig {
    WindowRig() { project.variables({"v", "w", "x"}, {"t"}); }
    std::filesystem::path folder() { return documents / "Savegames" / "Gameplay Tests"; }
    std::vector<std::string> windows() {
        std::vector<std::string> out;
        for (const auto& b : driver->boxes())
            if (b.kind == "window") out.push_back(b.title + " -> " + b.answer);
        return out;
    }
};

TEST(SaveWindows, SaveRefuseAgainThenLoad) {
    WindowRig g;
    g.start();
    platform::TimerElement& frameTimer = *g.form().findTimer("Timer1");
    frameTimer.setInterval(60000);
    frameTimer.setEnabled(true);
    ChangeVariableValue(g.variables(), "v", 5);

    // A refused name: the refusal box takes the next answer and the window waits again.
    for (const char* step : {"a,b", "SAVE", "OK", "first", "SAVE"}) {
        if (std::string(step) == "a,b" || std::string(step) == "first")
            g.driver->type(step);
        else
            g.driver->answer(step);
    }
    g.driver->key("Ctrl+S");
    EXPECT_TRUE(std::filesystem::exists(g.folder() / "first.sav"));
    EXPECT_EQ(g.windows(),
              (std::vector<std::string>{"Save the current game -> SAVE", "Save the current game -> SAVE"}));
    EXPECT_EQ(g.boxesWith("Please do not use any of the following characters:"), 1);
    EXPECT_TRUE(frameTimer.isEnabled()) << "the frame timer runs again";

    // The state line of an open window lists the saves.
    g.driver->key("Ctrl+S"); // nothing queued: cancelled
    EXPECT_EQ(g.driver->boxes().back().text, "Enter the name of the game you want to save\r\nfirst");

    ChangeVariableValue(g.variables(), "v", 9);
    g.game().OpenFrame("Other", false, 0, 0);
    // The load window goes as soon as the save is read, before the on-load script and the frame.
    bool sawRead = false, windowAfterRead = false;
    platform::TimerElement& watch = g.form().addTimer("WatchLoad");
    watch.onTimer = [&] {
        if (g.var("v") != 5) return;
        sawRead = true;
        const platform::Form* active = g.driver->player().ui().activeForm();
        windowAfterRead = windowAfterRead || (active && active->name == "frmLoadGame");
    };
    watch.setInterval(50);
    watch.setEnabled(true);
    g.driver->type("FIRST");
    g.driver->answer("LOAD");
    g.driver->key("Ctrl+L");
    watch.setEnabled(false);
    EXPECT_EQ(g.var("v"), 5);
    EXPECT_EQ(g.frame(), "Start");
    EXPECT_TRUE(sawRead);
    EXPECT_FALSE(windowAfterRead);

    // Removing from the save window: the typed name selects the entry.
    g.driver->type("first");
    g.driver->answer("Remove Selected");
    g.driver->answer("OK");
    g.driver->key("Ctrl+S");
    EXPECT_FALSE(std::filesystem::exists(g.folder() / "first.sav"));
}

TEST(SaveWindows, LoadFromTheWelcomeWindow) {
    WindowRig g;
    g.start();
    ChangeVariableValue(g.variables(), "w", 3);
    ASSERT_TRUE(g.play().SaveGameAs("kept"));
    g.game().StartUnloading();
    g.driver->wait(1000);
    ASSERT_FALSE(g.game().loaded());

    WindowRig fresh;
    fresh.info.SkipWelcomeWindow = false;
    fresh.info.OfferResolutionChange = 1;
    fresh.documents = g.documents;
    fresh.start();
    ASSERT_EQ(fresh.driver->player().ui().activeForm(), &fresh.driver->player().welcome().form());
    fresh.driver->type("kept");
    fresh.driver->answer("LOAD");
    fresh.driver->player().welcome().ClickButton(1);
    ASSERT_TRUE(fresh.game().loaded());
    EXPECT_EQ(fresh.var("w"), 3);
    EXPECT_EQ(fresh.driver->player().ui().activeForm(), &fresh.game().form());
    ASSERT_FALSE(fresh.driver->backend().modeChanges().empty()) << "the ticked offer switches the display";
    EXPECT_EQ(fresh.driver->backend().modeChanges().back().width, 640);
}

TEST(SaveWindows, ARunningScriptTimerKeepsTheLoadWindowClosedWhenAsked) {
    WindowRig g;
    g.start();
    platform::TimerElement& scriptTimer = *g.form().findTimer("TimerObject", 0);
    scriptTimer.setInterval(500);
    scriptTimer.setEnabled(true);
    g.play().ShowLoadGameWindow(true);
    EXPECT_TRUE(g.windows().empty());
    g.play().ShowLoadGameWindow(false);
    EXPECT_EQ(g.windows().size(), 1u);
}

TEST(SaveWindows, ScriptsOpenThemAndAMissingResumeFrameLetsTheGameGoOn) {
    WindowRig g;
    g.start();
    g.driver->type("by script");
    g.driver->answer("SAVE");
    g.play().ExecuteVBScriptAndConsequences("PopupSaveGame", false);
    EXPECT_TRUE(std::filesystem::exists(g.folder() / "by script.sav"));

    // A save whose frame is gone: the frame's own failure box, and the game goes on.
    std::string bytes = "\"Nowhere\"\r\n0\r\n0\r\n0\r\n";
    std::ofstream(g.folder() / "lost.sav", std::ios::binary) << bytes;
    g.driver->type("lost");
    g.driver->answer("LOAD");
    g.play().ExecuteVBScriptAndConsequences("PopupLoadGame", false);
    EXPECT_TRUE(g.game().loaded());
    EXPECT_EQ(g.windows().size(), 2u);
    EXPECT_GE(g.driver->boxes().size(), 3u) << "and the missing frame's own box";
    EXPECT_EQ(g.driver->boxes().back().kind, "message");
}

} // namespace
} // namespace run
