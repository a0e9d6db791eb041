// The control in a running game, added by script and heard through the headless sound device
// on the virtual clock: the question then its answer, a delay used once, the space bar cutting
// the question short and then ending the line, a looping track, its events in order with their
// arguments, its players in the state lines, and nothing left running once it is removed.
#include "tests/frames/FrameRig.h"
#include "tests/platform/media/Tones.h"

namespace run {
namespace {

using testing::FrameRig;

struct VoxRig : FrameRig {
    VoxRig() {
        installedComponents = std::filesystem::path(VOXLINE_OCX).parent_path();
        project.variables({}, {"trail", "v"});
        project.procedures(
            "Sub vox_QuestionStateChange(params)\r\n  trail = trail & \"Q\" & params(0) & \" \"\r\n"
            "End Sub\r\n"
            "Sub vox_AnswerStateChange(params)\r\n  trail = trail & \"A\" & params(0) & \" \"\r\n"
            "End Sub\r\n"
            "Sub vox_RemoveCanvasObject(params)\r\n  trail = trail & \"R\" & params(0) & \" \"\r\n"
            "End Sub");
        project.frame("Start", testing::ColourFrame(0));
        project.file("Voice/q.wav", platform::Tone(22050, 1, 0.5, 440, 0.5));
        project.file("Voice/a.wav", platform::Tone(22050, 1, 0.4, 660, 0.5));
        project.file("Voice/loop.wav", platform::Tone(22050, 1, 0.3, 330, 0.5));
    }
    void run(const std::string& script) { play().ExecuteVBScriptAndConsequences(script, false); }
    std::string trail() {
        std::string t;
        for (const auto& v : variables().VariablesVariant)
            if (v.Name == "trail") t = v.Value.text();
        const std::string cleared = t;
        run("trail = \"\"");
        return cleared;
    }
    std::string get(const std::string& property) {
        run("v = Component(\"vox\")." + property);
        for (const auto& v : variables().VariablesVariant)
            if (v.Name == "v") return v.Value.text();
        return "?";
    }
    std::string line() {
        const auto l = stateLines("component state: vox = ");
        return l.empty() ? "" : l[0].substr(23);
    }
};

TEST(VoxlineGame, TheSpokenLineOnTheVirtualClock) {
    VoxRig rig;
    auto& d = rig.start();
    rig.run("trail = \"\"");
    rig.run("AddComponent \"Voxline.MainControl\", \"vox\", False, False : Set c = Component(\"vox\") : "
            "c.AudioFilePath = \"Voice\\\" : c.QuestionFile = \"q.wav\" : c.AnswerFile = \"a.wav\" : "
            "c.QuestionVolume = 7 : c.QuestionAndAnswer = 1 : c.PlayQuestion");
    ASSERT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
    EXPECT_EQ(rig.line(), "question");
    EXPECT_EQ(rig.stateLines("sound: vox"),
              std::vector<std::string>{"sound: vox(0) = Voice\\q.wav (-1200, once)"});
    const std::uint64_t began = d.backend().nowMs();
    d.wait(300);
    EXPECT_GT(d.backend().audio().levelOver(began, began + 300), 0.05) << "the question is heard";
    d.wait(400); // the question ends; its answer follows at once
    EXPECT_EQ(rig.line(), "answer");
    EXPECT_EQ(rig.get("QuestionAndAnswer"), "0") << "used once";
    d.wait(500);
    EXPECT_EQ(rig.line(), "idle");
    EXPECT_EQ(rig.trail(), "Q2 Q0 A2 A0 R1 ");

    // A delay is used once.
    rig.run("Component(\"vox\").QuestionDelay = \"1\" : Component(\"vox\").PlayQuestion");
    EXPECT_EQ(rig.line(), "question delay");
    d.wait(900);
    EXPECT_EQ(rig.line(), "question delay");
    d.wait(200);
    EXPECT_EQ(rig.line(), "question");
    EXPECT_EQ(rig.get("QuestionDelay"), "0");
    rig.run("Component(\"vox\").PlayQuestion");
    EXPECT_EQ(rig.line(), "question") << "at once, from its start";
    d.wait(700);
    rig.trail();

    // The space bar cuts the question short for its answer, then ends the line.
    rig.run("Component(\"vox\").QuestionAndAnswer = 1 : Component(\"vox\").PlayQuestion");
    d.wait(100);
    d.key("Space");
    d.wait(260);
    EXPECT_EQ(rig.line(), "answer");
    d.key("Space");
    d.wait(260);
    EXPECT_EQ(rig.line(), "idle");
    EXPECT_EQ(rig.trail(), "Q2 Q0 A2 R1 A0 ");

    // A looping track plays on past its end; the others are not touched by the space bar.
    rig.run("Component(\"vox\").Audio1File = \"loop.wav\" : Component(\"vox\").Audio1Loop = 1 : "
            "Component(\"vox\").Audio1Balance = -25 : Component(\"vox\").PlayAudio1");
    d.wait(1000);
    d.key("Space");
    d.wait(260);
    EXPECT_EQ(rig.stateLines("sound: vox"),
              std::vector<std::string>{"sound: vox(2) = Voice\\loop.wav (0, balance -4000, once)"});

    // Removed, it leaves no player or timer running.
    rig.run("RemoveComponent \"vox\"");
    EXPECT_TRUE(rig.stateLines("sound: vox").empty());
    for (const platform::Element* t : rig.form().arrayMembers("ComponentTimer"))
        if (t->index > 0) ADD_FAILURE() << "timer " << t->index << " left";
    d.wait(500);
    EXPECT_TRUE(d.boxes().empty()) << rig.boxTexts()[0];
}

} // namespace
} // namespace run
