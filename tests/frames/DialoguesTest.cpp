// A frame's question-and-answer dialogue on a running game: the panel's layout and colours, a
// question's click steps in order with their effects, quitting (by the question, by a script, by
// running out of questions), the dialogue across a frame change and a saved game, the keys, and
// damaged dialogue files.
#include "run/frames/Dialogues.h"
#include "run/game/GamePlay.h"
#include "tests/frames/FrameRig.h"
#include "tests/gameplay/GameRig.h"

#include <fstream>
#include <iterator>

namespace run {
namespace {

using testing::FrameRig;

DialogueQuestion Question(std::int16_t key, std::string text, bool visible = true) {
    DialogueQuestion q;
    q.key = key;
    q.question = std::move(text);
    q.visibleAtStart = visible;
    return q;
}

struct DialogueRig : FrameRig {
    DialogueRig() {
        project.variables({"n", "h"}, {"trail"});
        project.frame("Start", testing::ColourFrame(0)).frame("Other", testing::ColourFrame(0x404040));
        // Hotspot 1 of Start adds to the trail; hotspot 1 of Other goes back to Start.
        testing::ActionSpec mark;
        mark.script = "trail = trail & |h|";
        project.hotspots("Start", {testing::Spot(600, 0, 40, 40)}).actions("Start", {mark});
        project.hotspots("Other", {testing::Spot(600, 0, 40, 40)}).actions("Other", {testing::Go("Start")});
    }
    std::string trail() {
        for (const auto& v : variables().VariablesVariant)
            if (v.Name == "trail") return v.Value.text();
        return "?";
    }
    int var(const std::string& name) {
        for (const auto& v : variables().Variables)
            if (v.Name == name) return v.Value;
        return -32000;
    }
    Dialogues& dialogues() { return game().dialogues(); }
    platform::Element& label(int k) { return *form().find("lblDialogue", k); }
    // Clicks the k-th question of the panel in the middle of its label.
    void ask(int k) {
        const platform::Rect r = platform::ElementRectOnForm(label(k));
        const platform::Rect frame = platform::ElementRectOnForm(form().get("PictureBox"));
        driver->click(r.x - frame.x + r.w / 2, r.y - frame.y + r.h / 2);
    }
    std::vector<std::string> captions() {
        std::vector<std::string> out;
        for (const DialogueLine& l : dialogues().shownLines())
            out.push_back(l.caption);
        return out;
    }
};

TEST(Dialogues, ThePanelLaysOutTheShownQuestionsAndLightsThemUnderThePointer) {
    DialogueRig rig;
    rig.project.dialogue("Start", {Question(1, "Who are you?"), Question(2, "Hidden", false),
                                   Question(3, "Where am I?"), Question(4, "Goodbye.")});
    auto& d = rig.start();
    ASSERT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
    const platform::Element& panel = rig.form().get("fmeDialogue");
    const platform::Element& frame = rig.form().get("PictureBox");
    ASSERT_TRUE(panel.visible);
    const int h = rig.label(1).height;
    ASSERT_GT(h, 0);
    EXPECT_EQ(panel.height, 300 + 3 * h + 3 * 90 + 300);
    EXPECT_EQ(panel.top, frame.height - panel.height);
    EXPECT_EQ(panel.width, frame.width);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(rig.label(k).left, 360);
        EXPECT_EQ(rig.label(k).top, 300 + (k - 1) * (h + 90));
        EXPECT_EQ(rig.label(k).foreColor, 0xC8C8C8u);
    }
    EXPECT_EQ(rig.label(2).tag, "3") << "labels name their question by number";
    EXPECT_EQ(rig.stateLines("dialogue: "), std::vector<std::string>{"dialogue: Start"});
    const auto questions = rig.stateLines("question: ");
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[1].rfind("question: 3 \"Where am I?\" at 24,", 0), 0u) << questions[1];
    EXPECT_NE(questions[1].find("(not asked)"), std::string::npos);

    // The question under the pointer lights up, and goes back when the pointer moves on.
    const platform::Rect r = platform::ElementRectOnForm(rig.label(2));
    const platform::Rect f = platform::ElementRectOnForm(frame);
    d.move(r.x - f.x + 2, r.y - f.y + r.h / 2);
    EXPECT_EQ(rig.label(2).foreColor, 0xFFFFFFu);
    EXPECT_EQ(rig.label(1).foreColor, 0xC8C8C8u);
    d.move(5, platform::TwipsToPixels(panel.top) + 5);
    EXPECT_EQ(rig.label(2).foreColor, 0xC8C8C8u);
    // The panel is painted over the frame, its questions in their colour.
    bool lit = false;
    const platform::Canvas shot = rig.frameShot();
    for (int x = r.x - f.x; x < r.x - f.x + r.w && !lit; ++x)
        for (int y = r.y - f.y; y < r.y - f.y + r.h && !lit; ++y)
            lit = (shot.pixel(x, y) & 0xFFFFFF) == 0xC8C8C8;
    EXPECT_TRUE(lit);
}

TEST(Dialogues, AClickRunsItsStepsInOrderThenChangesWhatIsOffered) {
    DialogueRig rig;
    DialogueQuestion first = Question(1, "First");
    first.script1 = "trail = trail & \"a\"";
    first.hotspotActions[0] = 1;
    first.script2 = "trail = trail & \"b\"";
    first.hotspotActions[1] = 99; // beyond the frame's hotspots: skipped
    first.answer = "An answer.";
    first.script3 = "trail = trail & \"c\"";
    first.hotspotActions[2] = 1;
    first.showList = {2, 5};
    first.hideList = {1, 5}; // hides itself; shown and hidden ends hidden
    DialogueQuestion twin = Question(2, "Twin", false);
    DialogueQuestion twinToo = Question(2, "Twin too", false); // same key: only the first is meant
    DialogueQuestion timed = Question(3, "Timed");
    timed.answer = "Wait for it.";
    timed.timedAnswer = true;
    timed.answerSeconds = 2.5;
    rig.project.dialogue("Start", {first, twin, twinToo, timed, Question(5, "Both", false)});
    auto& d = rig.start();

    const std::uint64_t before = rig.context().ui.now();
    rig.ask(1);
    EXPECT_EQ(rig.trail(), "0ahbch") << "a new variant variable holds 0";
    // The answer stayed until its message's own time ran out.
    EXPECT_GE(rig.context().ui.now() - before, 1000u + 70 * 10);
    EXPECT_FALSE(rig.form().get("FrameMessageBox").visible);
    EXPECT_EQ(rig.captions(), (std::vector<std::string>{"Twin", "Timed"}));
    EXPECT_TRUE(rig.dialogues().questions()[0].asked);

    // A timed answer stays its time; the asked question is greyed.
    const std::uint64_t start = rig.context().ui.now();
    rig.ask(2);
    EXPECT_NEAR(double(rig.context().ui.now() - start), 2500.0, 60.0);
    EXPECT_EQ(rig.label(2).foreColor, 0x787878u);
    EXPECT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
}

TEST(Dialogues, QuittingByTheQuestionByAScriptOrForLackOfQuestions) {
    DialogueRig rig;
    DialogueQuestion bye = Question(1, "Goodbye.");
    bye.quitAfter = true;
    bye.showList = {3};
    bye.script3 = "n = 7";
    DialogueQuestion stop = Question(2, "Stop");
    stop.script1 = "QuitDialogue";
    stop.showList = {3};
    rig.project.dialogue("Start", {bye, stop, Question(3, "Later", false)});
    rig.project.dialogue("Other", {Question(1, "Elsewhere")});
    rig.start();

    // Script 3 runs after the quit, and the questions are not laid out again.
    rig.ask(1);
    EXPECT_EQ(rig.var("n"), 7);
    EXPECT_FALSE(rig.dialogues().active());
    EXPECT_FALSE(rig.form().get("fmeDialogue").visible);
    EXPECT_FALSE(rig.dialogues().questions()[2].shown) << "no show list after quitting";

    // A script's QuitDialogue ends it too: the panel does not come back, and the next frame's
    // dialogue loads.
    rig.open("Start");
    ASSERT_TRUE(rig.dialogues().active());
    rig.ask(2);
    EXPECT_FALSE(rig.dialogues().active());
    EXPECT_FALSE(rig.form().get("fmeDialogue").visible);
    EXPECT_FALSE(rig.dialogues().questions()[2].shown);
    rig.open("Other");
    EXPECT_EQ(rig.captions(), std::vector<std::string>{"Elsewhere"});

    // A dialogue with nothing to offer ends at once.
    DialogueRig none;
    none.project.dialogue("Start", {Question(1, "Hidden", false)});
    none.start();
    EXPECT_FALSE(none.dialogues().active());
    EXPECT_FALSE(none.form().get("fmeDialogue").visible);
}

TEST(Dialogues, ItLastsAcrossFramesAndSavedGamesResumeWhereItStarted) {
    DialogueRig rig;
    DialogueQuestion go = Question(1, "Show me.");
    go.script1 = "GoToFrame \"Other\"";
    rig.project.dialogue("Start", {go, Question(2, "Stay")});
    rig.project.dialogue("Other", {Question(1, "Not loaded")});
    rig.start();
    rig.ask(1);
    EXPECT_EQ(rig.game().frameName(), "Other");
    EXPECT_EQ(rig.dialogues().dialogueFrame(), "Start") << "the other frame's dialogue waits";
    EXPECT_EQ(rig.captions(), (std::vector<std::string>{"Show me.", "Stay"}));
    EXPECT_EQ(rig.label(1).foreColor, 0x787878u) << "asked";
    EXPECT_TRUE(rig.form().get("fmeDialogue").visible);

    ASSERT_TRUE(rig.play().SaveGameAs("talk"));
    // A hotspot's way back ends the dialogue, so Start's loads afresh.
    rig.driver->click(620, 20);
    EXPECT_EQ(rig.game().frameName(), "Start");
    EXPECT_TRUE(rig.dialogues().active());
    EXPECT_FALSE(rig.dialogues().questions()[0].asked);
    rig.open("Other");

    ASSERT_TRUE(rig.play().LoadSavedGame("talk", {}));
    EXPECT_EQ(rig.game().frameName(), "Start") << "saved on the frame the dialogue started on";
    EXPECT_EQ(rig.captions(), (std::vector<std::string>{"Show me.", "Stay"}));
}

TEST(Dialogues, NumberKeysAndArrowsPickQuestions) {
    DialogueRig rig;
    DialogueQuestion a = Question(1, "A");
    a.script1 = "trail = trail & \"a\"";
    DialogueQuestion b = Question(2, "B");
    b.script1 = "trail = trail & \"b\"";
    rig.project.dialogue("Start", {a, b, Question(3, "C")});
    auto& d = rig.start();
    d.key("2");
    d.key("9"); // no ninth question
    EXPECT_EQ(rig.trail(), "0b");
    d.key("Down");
    EXPECT_EQ(rig.label(1).foreColor, 0xFFFFFFu) << "marked as under the pointer";
    d.key("Up");
    d.key("Up");
    EXPECT_EQ(rig.label(2).foreColor, 0xE6E6E6u) << "the asked one, marked";
    d.key("Return");
    EXPECT_EQ(rig.trail(), "0bb");
}

TEST(Dialogues, DamagedFilesAndKeysThatPointNowhereGetTheirBoxes) {
    {
        DialogueRig rig;
        rig.project.file("FramesData/Start.dlg", std::string(11, '\n') + "2000000000\n");
        rig.start();
        ASSERT_EQ(rig.boxTexts().size(), 1u);
        EXPECT_EQ(rig.boxTexts()[0].rfind("Error loading the dialogue.\r\n\r\n", 0), 0u) << rig.boxTexts()[0];
        EXPECT_FALSE(rig.form().get("fmeDialogue").visible);
    }
    {
        // The questions before the damage are offered.
        DialogueRig rig;
        DialogueQuestion lost = Question(7, "Lost");
        lost.showList = {42};
        lost.answerSeconds = 1e308;
        lost.timedAnswer = true;
        lost.answer = "A long wait.";
        DialogueQuestion early = Question(6, "Early");
        early.answerSeconds = -5;
        early.timedAnswer = true;
        rig.project.dialogue("Start", {lost, early, Question(8, "Cut")});
        const auto path = rig.project.folder() / "FramesData" / "Start.dlg";
        std::string bytes;
        {
            std::ifstream in(path, std::ios::binary);
            bytes.assign(std::istreambuf_iterator<char>(in), {});
        }
        bytes.resize(bytes.rfind("Cut") + 2);
        rig.project.file("FramesData/Start.dlg", bytes);
        auto& d = rig.start();
        EXPECT_EQ(rig.boxesWith("Error loading the dialogue."), 1);
        EXPECT_EQ(rig.captions(), (std::vector<std::string>{"Lost", "Early"}));

        const std::uint64_t before = rig.context().ui.now();
        rig.ask(2); // a negative time waits not at all
        EXPECT_LT(rig.context().ui.now() - before, 100u);
        // A very long timed answer ends when the player clicks its message; the key it then
        // shows names no question: a box, and the questions are offered again.
        bool clicked = false;
        d.setNestedSteps([&] {
            if (!clicked) d.click(320, 470);
            clicked = true;
            return false;
        });
        rig.ask(1);
        d.setNestedSteps(nullptr);
        EXPECT_TRUE(clicked);
        EXPECT_EQ(rig.boxesWith(" Error in RuntimeQuestionClick. Subscript out of range"), 1);
        EXPECT_TRUE(rig.form().get("fmeDialogue").visible) << "the dialogue goes on";
    }
}

} // namespace
} // namespace run
