// A project on two CDs: the drive dialog when the file is on the other CD, halting and resuming
// the game, a wrong CD, Cancel, and the dialog's own list and checks.
#include "run/core/Player.h"
#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/TimedEvents.h"
#include "run/media/AudioChannels.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Keys.h"
#include "run/project/FileLookup.h"
#include "run/project/RunFromCdWindow.h"
#include "tests/platform/media/Tones.h"
#include "tests/project/lookup/LookupRig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace run {
namespace {

namespace fs = std::filesystem;
using platform::InputEvent;

// Two folders standing as CD 1 and CD 2, the player's game window with its timers, and a helper
// window whose timer plays the player's part while the drive dialog waits.
struct TwoCdRig : testing::QuestFiles {
    TwoCdRig() {
        testing::StartQuest(s, project, trace);
        makeCdProject(2, {{"intro.jpg", 1, 1}, {"scene.jpg", 2, 1}});
        cd1 = (tmp / "cd1").string();
        cd2 = (tmp / "cd2").string();
        putOutside("cd1/Data/Quest/Frames/" + HiddenPath("intro.jpg", true));
        sceneOnCd2 = putOutside("cd2/Data/Quest/Frames/" + HiddenPath("scene.jpg", true));
        s.drives =
            platform::DriveTable::FromDescription("C=" + tmp.path().string() + ":fixed;D=" + cd1 + ":cd");
        LoadCdIndex(s);

        platform::TimerElement& t1 = *game.findTimer("Timer1");
        t1.setInterval(1000);
        t1.setEnabled(true);
        game.findTimer("TimerMessageBox")->setInterval(500);
        gameWindow.load();
        gameWindow.show();

        platform::TimerElement& player = helper.addTimer("tmrPlayer");
        player.setInterval(20);
        player.setEnabled(true);
        player.onTimer = [this] { onPlayerTick(); };
        ui.load(helper);
    }

    ~TwoCdRig() { ui.unload(helper); }

    // Each time the drive dialog is up, the next step of `steps` runs once.
    void onPlayerTick() {
        platform::Form* active = ui.activeForm();
        if (++ticks > 500) {
            // Something went wrong: end the wait rather than the test run.
            backend.inject({InputEvent::Type::Quit});
            return;
        }
        if (!active || active->name != RunFromCdWindow::kFormName || active->id() == lastDialogSeen) return;
        lastDialogSeen = active->id();
        ++dialogsShown;
        message = active->get("lblMessage").caption;
        driveBox = active->get("Combo1").caption;
        timer1WhileAsked = game.findTimer("Timer1")->enabled;
        platform::TimerElement* event = game.findTimer("TimedEvent", 1);
        timedEventWhileAsked = event && event->enabled;
        if (!steps.empty()) {
            auto step = steps.front();
            steps.erase(steps.begin());
            step(*active);
        }
    }

    void press(int key) { backend.inject({InputEvent::Type::KeyDown, 0, 0, 0, 0, key}); }
    void clickOn(const platform::Element& e) {
        platform::Rect r = platform::ElementRectOnForm(e);
        int x = r.x + r.w / 2, y = r.y + r.h / 2;
        backend.inject({InputEvent::Type::MouseDown, 0, x, y, platform::kLeftButton});
        backend.inject({InputEvent::Type::MouseUp, 0, x, y, platform::kLeftButton});
    }
    void insertCd2() { s.drives.set('D', {cd2, platform::kDriveCdRom}); }
    const std::vector<platform::RecordedBox>& messageBoxes() const { return backend.boxes(); }

    platform::HeadlessBackend backend;
    Player player{backend, {project.folder().string(), tmp / "settings.ini", tmp / "Documents", {}}};
    ProjectContext& s = player.project();
    Flags& flags = player.flags();
    ProjectFiles& files = player.files();
    AudioChannels& audio = player.audio();
    platform::WindowSystem& ui = player.ui();
    std::vector<std::string> trace;
    std::string cd1, cd2, sceneOnCd2;
    GameWindow& gameWindow = player.game();
    platform::Form& game = gameWindow.form();
    platform::Form helper{"frmPlayer"};
    std::vector<std::function<void(platform::Form&)>> steps;
    platform::WindowId lastDialogSeen = 0;
    int ticks = 0;
    int dialogsShown = 0;
    std::string message, driveBox;
    bool timer1WhileAsked = true;
    bool timedEventWhileAsked = true;
};

bool traced(const TwoCdRig& r, const std::string& step) {
    return std::find(r.trace.begin(), r.trace.end(), step) != r.trace.end();
}

TEST(CdDialogTest, FileOnTheOtherCdAsksForItAndGoesOnOnceInserted) {
    TwoCdRig r;
    EXPECT_EQ(r.files.ResolveProjectFile(r.s.paths.frames + "intro.jpg"),
              r.cd1 + "/Data/Quest/Frames/" + HiddenPath("intro.jpg", true));
    EXPECT_EQ(r.dialogsShown, 0) << "CD 1 is in the drive";

    r.steps.push_back([&](platform::Form&) {
        r.insertCd2();
        r.press(platform::kKeyReturn);
    });
    ASSERT_EQ(r.gameWindow.timedEvents().CreateTimedEvent(30, "x = 1", true), 1);
    r.audio.PlayOnChannel(1, r.put("Areas/tone.wav", platform::Tone(22050, 1, 2, 440, 0.5)), 0, 0,
                          "tone.wav");
    ASSERT_EQ(r.audio.channelPlayer(1).PlayState(), platform::MediaPlayer::kPlaying);
    r.gameWindow.timedEvents().StartTimedEvents();
    std::string got = r.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg");
    EXPECT_EQ(got, r.sceneOnCd2);
    EXPECT_EQ(r.dialogsShown, 1);
    EXPECT_EQ(r.message, "Please insert the CD#2 in the CD-Rom drive and click OK to continue...");
    EXPECT_EQ(r.message, r.s.uiText[47] + "2 " + r.s.uiText[48]);
    EXPECT_EQ(r.driveBox, "D:\\");
    EXPECT_FALSE(r.timer1WhileAsked) << "the game is halted while the CD is awaited";
    EXPECT_TRUE(r.game.findTimer("Timer1")->enabled) << "and resumes afterwards";
    EXPECT_FALSE(r.game.findTimer("TimerMessageBox")->enabled) << "a stopped timer stays stopped";
    EXPECT_FALSE(r.timedEventWhileAsked) << "timed events pause while the CD is awaited";
    EXPECT_TRUE(r.game.findTimer("TimedEvent", 1)->enabled) << "and start again";
    EXPECT_NE(r.audio.channelPlayer(1).PlayState(), platform::MediaPlayer::kPlaying)
        << "nothing plays meanwhile";
    EXPECT_TRUE(r.flags.StopMovie);
    EXPECT_FALSE(r.flags.Quitting);
    EXPECT_TRUE(r.messageBoxes().empty());
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", ""), "D");
    ASSERT_NE(r.ui.activeForm(), nullptr);
    EXPECT_EQ(r.ui.activeForm(), &r.game) << "the dialog is gone";
    EXPECT_TRUE(r.game.enabled) << "the game window takes input again";
}

TEST(CdDialogTest, WrongCdIsReportedAndAskedForAgainThenTheTimersComeBack) {
    TwoCdRig r;
    r.steps.push_back([&](platform::Form&) { r.press(platform::kKeyReturn); }); // still CD 1
    r.steps.push_back([&](platform::Form&) {
        r.insertCd2();
        r.press(platform::kKeyReturn);
    });
    EXPECT_EQ(r.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg"), r.sceneOnCd2);
    EXPECT_EQ(r.dialogsShown, 2);
    ASSERT_EQ(r.messageBoxes().size(), 1u);
    const auto& box = r.messageBoxes()[0];
    EXPECT_EQ(box.title, "Quest");
    EXPECT_EQ(box.text, r.s.uiText[45] + "\r\n\r\nD:\\Data\\Quest\\Frames\\" + HiddenPath("scene.jpg", true) +
                            "\r\n\r\n" + r.s.uiText[46]);
    EXPECT_TRUE(r.game.findTimer("Timer1")->enabled);
}

TEST(CdDialogTest, CancelLeavesTheGame) {
    TwoCdRig r;
    r.steps.push_back([&](platform::Form&) { r.press(platform::kKeyEscape); });
    std::string got = r.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg");
    EXPECT_FALSE(fs::exists(got));
    EXPECT_TRUE(r.flags.Quitting);
    // The player sees the menu bar, ready to load a game or quit.
    EXPECT_TRUE(r.gameWindow.menus().menusVisible());
    EXPECT_TRUE(r.game.get("mnuExit").visible);
    EXPECT_TRUE(r.game.get("mnuLoadGame").visible);
    EXPECT_FALSE(r.game.get("PictureBox").visible);
    EXPECT_FALSE(r.game.findTimer("Timer1")->enabled);
    EXPECT_TRUE(r.messageBoxes().empty()) << "no missing-file box while leaving";
    EXPECT_FALSE(traced(r, "StartTimedEvents"));
}

TEST(CdDialogTest, ProgramQuitWhileAskedCountsAsCancel) {
    TwoCdRig r;
    r.steps.push_back([&](platform::Form&) { r.backend.inject({InputEvent::Type::Quit}); });
    r.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg");
    EXPECT_EQ(r.dialogsShown, 1);
    EXPECT_TRUE(r.flags.Quitting);
    EXPECT_TRUE(r.game.get("mnuExit").visible);
}

TEST(CdDialogTest, NoDialogUnderAnOpenMessageBox) {
    TwoCdRig r;
    std::string got;
    platform::TimerElement& frameTimer = r.helper.addTimer("tmrFrame");
    frameTimer.setInterval(10);
    frameTimer.setEnabled(true);
    frameTimer.onTimer = [&] {
        frameTimer.setEnabled(false);
        got = r.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg");
    };
    r.ui.msUntilNextTimer(100); // arms the timer
    r.backend.advanceClock(10);
    r.ui.messageBox("A question", platform::kOkOnly, "Quest");
    EXPECT_EQ(r.dialogsShown, 0);
    EXPECT_FALSE(r.flags.Quitting);
    EXPECT_FALSE(fs::exists(got));
    ASSERT_EQ(r.messageBoxes().size(), 2u) << "the missing file, then the question";
    EXPECT_EQ(r.messageBoxes()[0].text.find(r.s.uiText[33]), 0u);
}

TEST(CdDialogTest, OkWantsAnExistingDriveAndTheListSetsTheBox) {
    TwoCdRig r;
    r.steps.push_back([&](platform::Form& dialog) {
        dialog.get("Combo1").caption = "Q:\\";
        r.press(platform::kKeyReturn); // no drive Q: the box says so, the dialog stays
        r.insertCd2();
        platform::Element* cdItem = nullptr;
        for (platform::Element* e : dialog.arrayMembers("lstDrive")) {
            if (e->caption == "D:\\ (CD-Rom Drive)") cdItem = e;
        }
        ASSERT_NE(cdItem, nullptr);
        r.clickOn(*cdItem);
        r.press(platform::kKeyReturn);
    });
    EXPECT_EQ(r.files.ResolveProjectFile(r.s.paths.frames + "scene.jpg"), r.sceneOnCd2);
    ASSERT_EQ(r.messageBoxes().size(), 1u);
    EXPECT_EQ(r.messageBoxes()[0].text, r.s.uiText[38]);
    EXPECT_EQ(r.messageBoxes()[0].title, "Quest");
    EXPECT_EQ(r.dialogsShown, 1);
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", ""), "D");
}

TEST(CdDialogTest, DialogListsTheDrivesFromAToVAndPreselectsTheLastCd) {
    testing::LookupRig r;
    const std::string f = r.tmp.path().string();
    r.s.drives = platform::DriveTable::FromDescription("A=" + f + ":removable;C=" + f + ":fixed;E=" + f +
                                                       ":cd;G=" + f + ":remote;H=" + f + ":ram;K=" + f +
                                                       ":cd;W=" + f + ":cd");
    RunFromCdWindow dialog(r.s, r.s.flags);
    dialog.load();
    std::vector<std::string> items;
    for (platform::Element* e : dialog.form().arrayMembers("lstDrive")) {
        if (e->visible) items.push_back(e->caption);
    }
    EXPECT_EQ(items,
              (std::vector<std::string>{"A:\\ (Floppy Drive)", "C:\\ (Hard Drive)", "E:\\ (CD-Rom Drive)",
                                        "G:\\ (Network Drive)", "H:\\ (RAM Disk)", "K:\\ (CD-Rom Drive)"}));
    EXPECT_EQ(dialog.driveText(), "K:\\");
    EXPECT_EQ(dialog.form().get("lblDrive").caption, r.s.uiText[37]);
    EXPECT_EQ(dialog.form().get("cmdCancel").caption, r.s.uiText[11]);
    r.ui.show(dialog.form());
    EXPECT_TRUE(dialog.form().topmost);
    // Fully on the desktop, whatever the list's length.
    EXPECT_GT(dialog.form().top, 0);
    EXPECT_GT(dialog.form().left, 0);
}

} // namespace
} // namespace run
