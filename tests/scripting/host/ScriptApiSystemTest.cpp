// The script functions that reach the system: file searches, the default handlers, programs of
// the game, the display requests and the component functions that stand in for the host.
#include "tests/scripting/host/ApiRig.h"

#include <fstream>

namespace run {
namespace {

using testing::ApiRig;
using testing::TextOfT;

std::string windowsForm(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

TEST(ScriptApiSystem, DDirListsByPatternAndAttributes) {
    ApiRig g;
    for (const char* f : {"External/b.TXT", "External/a.txt", "External/.hidden.txt", "External/notes.doc"})
        g.project.file(f, "x");
    std::filesystem::create_directories(g.project.folder() / "External" / "sub.txt");
    g.start();
    g.script("t = DDir(GetPath(2) & \"*.txt\", 0) & \"|\" & DDir(\"\", 0) & \"|\" & DDir(\"\", 0) & \"|\" & "
             "DDir(\"\", 0)");
    EXPECT_EQ(TextOfT(g), "a.txt|b.TXT||") << "files only, by name without regard to case";
    g.script("t = DDir(GetPath(2) & \"*.TXT\", 18) : Do : s = DDir() : If s = \"\" Then Exit Do\r\n t = t & "
             "\",\" & s : Loop");
    EXPECT_EQ(TextOfT(g), ".hidden.txt,a.txt,b.TXT,sub.txt") << "hidden files and folders when asked for";
    g.script("t = DDir(GetPath(2) & \"*\", 16)");
    EXPECT_EQ(TextOfT(g), ".") << "a folder lists itself first";
    g.script(
        "t = DDir(GetPath(2) & \"notes.doc\") & DDir(\"/etc/*\", 0) & DDir(\"C:\\*\", 0) & \"|\" & DDir()");
    EXPECT_EQ(TextOfT(g), "notes.doc|") << "nothing outside the game's folders";
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];
}

TEST(ScriptApiSystem, DefaultHandlersOnlyInsideTheGame) {
    ApiRig g;
    g.project.file("External/manual.txt", "read me");
    g.project.file("External/play.desktop", "[Desktop Entry]\nExec=sh -c 'rm -rf ~'\n");
    g.project.file("External/notes.txt", "#!/bin/sh\necho hi\n");
    const std::string outside = (g.tmp / "secret.txt").string();
    std::ofstream(outside) << "x";
    std::filesystem::create_symlink(outside, g.project.folder() / "External" / "linked.txt");
    g.start();
    g.script("SendEmail \"kim@example.org?subject=Hi\" : OpenURL \"https://example.org/\" : OpenFile "
             "\"manual.txt\" : "
             "SendEmail \"\" : OpenURL \"\" : OpenFile \"\"");
    std::vector<std::string> expected{"mailto:kim@example.org?subject=Hi", "https://example.org/",
                                      (g.project.folder() / "External" / "manual.txt").string()};
    EXPECT_EQ(g.driver->backend().openedTargets(), expected);
    EXPECT_TRUE(g.driver->boxes().empty()) << g.boxTexts()[0];

    // Files outside the game (named, or reached through a link the game ships), local files as
    // addresses, attachments, launchers and scripts are refused with the row's box.
    g.script("OpenFile \"" + windowsForm(outside) + "\" : OpenFile \"linked.txt\" : OpenURL \"file://" +
             outside + "\" : SendEmail \"kim@example.org?subject=x&Attach=" + outside +
             "\" : OpenFile \"play.desktop\" : OpenFile \"notes.txt\" : v = 4");
    EXPECT_EQ(g.driver->backend().openedTargets().size(), 3u) << "nothing more was handed over";
    ASSERT_EQ(g.driver->boxes().size(), 6u);
    EXPECT_NE(g.boxTexts()[0].find(" Error opening the file titled '" + windowsForm(outside) +
                                   "'.\r\n\r\nThe file lies"),
              std::string::npos);
    EXPECT_NE(g.boxTexts()[1].find("The file lies"), std::string::npos) << g.boxTexts()[1];
    EXPECT_NE(
        g.boxTexts()[2].find(" Error opening the following URL with the default browser:\r\n\r\nfile://"),
        std::string::npos);
    EXPECT_NE(g.boxTexts()[3].find(" Error opening the default mail client to send email to: "),
              std::string::npos);
    for (int i : {4, 5})
        EXPECT_NE(g.boxTexts()[i].find("only its documents"), std::string::npos) << g.boxTexts()[i];
    EXPECT_EQ(g.var("v"), 4);
}

TEST(ScriptApiSystem, ProgramsRunWhileTheWindowWaitsOnlyWithThePlayersConsent) {
    ApiRig g;
    g.project.file("External/wait.sh", "#!/bin/sh\nsleep 0.3\necho done > ran.txt\n");
    std::filesystem::permissions(g.project.folder() / "External" / "wait.sh",
                                 std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    g.project.file("External/setup.exe", "MZ");
    g.start();
    const std::filesystem::path ran = g.project.folder() / "External" / "ran.txt";

    // Unanswered, the question is No: nothing runs, and the answer is kept for the game.
    g.script("OpenExeFileAndWait \"wait.sh\"");
    EXPECT_FALSE(std::filesystem::exists(ran));
    ASSERT_EQ(g.driver->boxes().size(), 2u);
    EXPECT_NE(g.boxTexts()[0].find("Allow this game to run its programs?"), std::string::npos);
    EXPECT_NE(g.boxTexts()[1].find("did not allow this game to run programs"), std::string::npos);
    g.script("OpenExeFileAndWait \"wait.sh\"");
    EXPECT_EQ(g.driver->boxes().size(), 3u) << "asked once";
    EXPECT_FALSE(std::filesystem::exists(ran));

    g.context().saveUserSetting("AllowGamePrograms", "");
    g.driver->answer("Yes");
    platform::TimerElement& frameTimer = *g.form().findTimer("Timer1");
    frameTimer.setInterval(60000);
    frameTimer.setEnabled(true);
    // A timer of the game watches the window while the program runs.
    int ticks = 0;
    bool sawDisabled = true;
    platform::TimerElement& watch = g.form().addTimer("WatchTimer");
    watch.onTimer = [&] {
        ++ticks;
        sawDisabled = sawDisabled && !g.form().enabled && !g.form().findTimer("Timer1")->isEnabled();
    };
    watch.setInterval(20);
    watch.setEnabled(true);

    g.script("OpenExeFileAndWait \"wait.sh\" : v = 1");
    watch.setEnabled(false);
    EXPECT_TRUE(std::filesystem::exists(ran)) << "waited for its end";
    EXPECT_GT(ticks, 0) << "timers went on";
    EXPECT_TRUE(sawDisabled);
    EXPECT_TRUE(g.form().enabled);
    EXPECT_TRUE(frameTimer.isEnabled()) << "restored";
    EXPECT_EQ(g.var("v"), 1);
    EXPECT_EQ(g.driver->boxes().size(), 4u) << "only the question";

    // A Windows program cannot start; the window and timer come back all the same.
    g.script("OpenExeFileAndWait \"setup.exe\"");
    ASSERT_EQ(g.driver->boxes().size(), 5u);
    EXPECT_NE(g.boxTexts()[4].find(" Error opening the file titled 'setup.exe'.\r\n\r\nWindows programs"),
              std::string::npos);
    EXPECT_TRUE(g.form().enabled);
    EXPECT_TRUE(frameTimer.isEnabled());
}

TEST(ScriptApiSystem, DisplayRequestsAndComponents) {
    ApiRig g;
    g.start();
    g.script("ChangeDisplayResolutionOnLoadGame 2");
    EXPECT_EQ(g.flags().pendingLoadGameResolution, 2);
    g.script("ChangeDisplayResolution 2 : v = GetDisplayResolutionX()");
    EXPECT_EQ(g.var("v"), 800);

    g.script(
        "AddComponent \"Some.Control\", \"my part\", True, False : AddComponent \"Some.Control\", \"part\" : "
        "Set c = Component(\"part\") : v = (c Is Nothing) + DoesComponentExist(\"part\") + "
        "IsComponentInstalled(\"Some.Control\") : RemoveComponent \"part\" : InterceptComponentEvents "
        "\"part\"");
    EXPECT_EQ(g.var("v"), -1);
    std::vector<std::string> texts = g.boxTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_NE(texts[0].find(" The component name must not contain spaces"), std::string::npos);
    EXPECT_NE(texts[1].find("properly.  The component \"Some.Control\" is not registered on this system."),
              std::string::npos)
        << texts[1];
    EXPECT_NE(texts[2].find(" The component named \"part\" could not be found."), std::string::npos);
    EXPECT_NE(texts[3].find("could not be removed because it could not be found."), std::string::npos);
}

} // namespace
} // namespace run

namespace run {
namespace {

TEST(ScriptApiSystem, WrongArgumentsAreScriptErrors) {
    testing::ApiRig g;
    g.start();
    for (const char* bad : {"GoToFrame", "GoToFrame 1, 2, 3, 4", "AddItem Array(1)", "LoadAPicture 5, \"x\"",
                            "x = DDir(Array(1))", "CaptureFrame Nothing", "SetTransitionDestination 3",
                            "RemoveTimedEvent \"x\"", "x = LoadControl(1)", "GoToFrame \"A\", 0, 40000"}) {
        const std::size_t before = g.driver->boxes().size();
        g.script(std::string(bad) + " : v = 99");
        EXPECT_EQ(g.driver->boxes().size(), before + 1) << bad;
        EXPECT_NE(g.var("v"), 99) << bad << ": the script stops at the call";
    }
}

} // namespace
} // namespace run
