// Play scripts carried out in process: what each step does, and the message naming the line of
// a step that cannot be carried out.
#include "run/driver/PlayScript.h"
#include "run/platform/graphics/Picture.h"
#include "tests/e2e/Play.h"

#include <sstream>

namespace run {
namespace {

using testing::BasicInfo;
using testing::Play;
using testing::RunScript;
using testing::ScriptResult;

TEST(PlayScript, StepsThatCannotBeCarriedOutNameTheirLine) {
    const struct {
        const char* steps;
        const char* message;
    } cases[] = {
        {"state\njump 1 2\n", "steps.txt:2: unknown step 'jump'"},
        {"# note\n\nclick 10\n", "steps.txt:3: expected two numbers"},
        {"click 10 20 30\n", "steps.txt:1: expected two numbers"},
        {"drag 1 2 3\n", "steps.txt:1: expected four numbers"},
        {"wait -5\n", "steps.txt:1: expected a number of milliseconds"},
        {"wait soon\n", "steps.txt:1: expected a number of milliseconds"},
        {"key Hyper+Q\n", "steps.txt:1: unknown key name 'Hyper+Q'"},
        {"key\n", "steps.txt:1: expected a key name"},
        {"answer\n", "steps.txt:1: expected a button caption"},
        {"hold\n", "steps.txt:1: expected 'hold boxes'"},
        {"release boxes now\n", "steps.txt:1: expected 'release boxes'"},
        {"shot\n", "steps.txt:1: expected a file name"},
        {"key Escape\nclick 5 5\n", "steps.txt:2: the program has ended"},
        {"key Escape\nshot end.png\n", "steps.txt:2: no window is shown"},
    };
    // Steps that fail before acting share one player; those that end the program get their own.
    Play shared;
    shared.project.general(BasicInfo());
    shared.start();
    for (const auto& c : cases) {
        const bool ends = std::string(c.steps).find("Escape") != std::string::npos;
        std::unique_ptr<Play> own;
        if (ends) {
            own = std::make_unique<Play>();
            own->project.general(BasicInfo());
            own->start();
        }
        ScriptResult r = RunScript(ends ? *own : shared, c.steps);
        EXPECT_EQ(r.status, 1) << c.steps;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.steps << " gave: " << r.err;
    }
    EXPECT_FALSE(shared.driver->ended());
}

TEST(PlayScript, StepsDriveThePlayer) {
    Play play;
    ProjectInfo info = BasicInfo();
    info.OfferResolutionChange = 0;
    play.project.general(info);
    play.start();
    // The e-mail line is the third line under the title; the Start button is in the middle.
    const platform::Rect email = platform::ElementRectOnForm(play.element("txtEmail"));
    const std::string clickEmail =
        "click " + std::to_string(email.x + 5) + " " + std::to_string(email.y + 3) + "\n";
    ScriptResult r = RunScript(play, "answer No\n" + clickEmail + "state\nclick 151 80\r\nwait 100\nstate\n" +
                                         "answer yes\nkey Ctrl+Q\nwait 600\nkey Escape\nstate\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("box: message \"" + info.AdventureName + "\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("-> No"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("window: Game"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"Do you really want to quit?\" -> Yes"), std::string::npos) << r.out;
    ASSERT_NE(r.out.find("window: (ended)"), std::string::npos) << r.out;
    EXPECT_GT(r.out.find("window: (ended)"), r.out.find("window: Game"));
    EXPECT_TRUE(play.driver->backend().openedTargets().empty());
}

// Harbour (black) leads to Cove (white) with a one-second blend when the frame is clicked.
void TransitionGame(Play& play) {
    ProjectInfo info = BasicInfo();
    info.SkipWelcomeWindow = true;
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    play.project.general(info);
    FrameFile harbour, cove;
    harbour.Picture = "0";
    cove.Picture = "16777215";
    play.project.frame("Harbour", harbour).frame("Cove", cove);
    testing::HotspotSpec spot;
    spot.width = 640 * platform::kTwipsPerPixel;
    spot.height = 480 * platform::kTwipsPerPixel;
    testing::ActionSpec go;
    go.goToFrame = "Cove";
    go.transitionKind = 1;
    go.transitionMs = 1000;
    go.transitionNumber = 1;
    play.project.hotspots("Harbour", {spot}).actions("Harbour", {go});
    play.start();
}

std::vector<std::string> LinesOf(const std::string& out, const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) lines.push_back(line);
    return lines;
}

TEST(PlayScript, StepsActOnARunningTransition) {
    // A wait that ends mid-transition returns there: state and shot show its middle.
    Play play;
    TransitionGame(play);
    const std::string middle = (play.tmp / "middle.png").string();
    ScriptResult r =
        RunScript(play, "click 320 240\nstate\nwait 500\nstate\nshot " + middle + "\nwait 600\nstate\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(LinesOf(r.out, "transition: "),
              (std::vector<std::string>{"transition: 1 (Alphablending), 0%",
                                        "transition: 1 (Alphablending), 50%"}));
    EXPECT_EQ(LinesOf(r.out, "frame: ").back(), "frame: Cove");
    platform::PictureResult shot = platform::LoadPictureFile(middle);
    ASSERT_TRUE(shot.picture) << shot.error;
    const platform::Pixel grey =
        shot.picture->image.pixel(shot.picture->width() / 2, shot.picture->height() / 2);
    EXPECT_NEAR(int(grey & 0xFF), 128, 12) << "half way from black to white";

    // A key during the transition ends it; the script's time goes on from there.
    Play keyed;
    TransitionGame(keyed);
    const std::uint64_t began = keyed.driver->backend().nowMs();
    r = RunScript(keyed, "click 320 240\nwait 200\nkey Escape\nstate\nwait 100\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(LinesOf(r.out, "transition: ").empty()) << r.out;
    EXPECT_EQ(LinesOf(r.out, "frame: ").back(), "frame: Cove");
    EXPECT_LT(keyed.driver->backend().nowMs() - began, 700u) << "not the whole second";

    // Steps that end inside a transition leave it to play to its end.
    Play last;
    TransitionGame(last);
    r = RunScript(last, "click 320 240\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(last.driver->player().flags().TransitionRunning);
    EXPECT_EQ(last.driver->player().game().frameName(), "Cove");
}

TEST(PlayScript, QuotedTextsTellWhereTheyEnd) {
    EXPECT_EQ(QuotedStateText("say \"hi\" to C:\\games\r\nnext\nlast\rcr"),
              "\"say \\\"hi\\\" to C:\\\\games\\nnext\\nlast\\rcr\"");
    Play play;
    play.project.general(BasicInfo());
    play.start();
    play.driver->player().project().ui.messageBox("a \"quoted\" word", platform::kInformation, "T\"");
    const std::vector<std::string> lines = play.driver->state();
    EXPECT_EQ(lines.back(), "box: message \"T\\\"\" \"a \\\"quoted\\\" word\" -> OK");
}

} // namespace
} // namespace run
