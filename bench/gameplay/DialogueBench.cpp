// A conversation: from the click on a question (whose script sets ten variables) to its answer
// drawn in the frame, with eight questions offered and the panel laid out again afterwards.
#include "run/driver/HeadlessDriver.h"
#include "run/frames/Dialogues.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/PlayerRig.h"
#include "tests/support/ProjectBuilder.h"

#include <chrono>

#include <benchmark/benchmark.h>

namespace {

using namespace run;

void WriteConversation(const std::filesystem::path& folder) {
    testing::ProjectBuilder b(folder);
    ProjectInfo info;
    info.ProjectRegistryName = "DialogueBench";
    info.AdventureName = "Dialogue Bench";
    info.InitialFrame = "A";
    info.FrameWidth = 640;
    info.FrameHeight = 480;
    info.SkipWelcomeWindow = true;
    std::vector<std::string> names;
    std::string script;
    for (int i = 0; i < 10; ++i) {
        names.push_back("var" + std::to_string(i));
        script += (i ? " : " : "") + names.back() + " = " + names.back() + " + 1";
    }
    b.general(info).texts(1).variables(names);
    b.frame("A", testing::ColourFrame(0x304050));
    std::vector<DialogueQuestion> questions;
    for (int k = 1; k <= 8; ++k) {
        DialogueQuestion q;
        q.key = static_cast<std::int16_t>(k);
        q.question = "Question number " + std::to_string(k) + "?";
        q.answer = "The answer to question " + std::to_string(k) + ", which takes a line or so.";
        q.visibleAtStart = true;
        q.script1 = script;
        questions.push_back(q);
    }
    b.dialogue("A", questions);
}

void BM_DialogueQuestionClickToAnswerShown(benchmark::State& state) {
    testing::TempFolder tmp;
    WriteConversation(tmp / "game");
    HeadlessDriver d(PlayerOptions{(tmp / "game").string(), tmp / "settings.ini", tmp / "Documents", {}});
    d.start();
    Player& p = d.player();
    platform::Form& game = p.game().form();
    const platform::Element* first = game.find("lblDialogue", 1);
    if (!first) {
        state.SkipWithError("no question offered");
        return;
    }
    const platform::Rect label = platform::ElementRectOnForm(*first);
    const int x = label.x + 10, y = label.y + label.h / 2;
    for (auto _ : state) {
        std::chrono::steady_clock::time_point shown{};
        d.setNestedSteps([&] {
            const platform::Canvas& drawn = p.ui().paintedCanvas(game);
            benchmark::DoNotOptimize(drawn.pixel(320, 470));
            shown = std::chrono::steady_clock::now();
            return false;
        });
        const auto t0 = std::chrono::steady_clock::now();
        p.ui().dispatch({platform::InputEvent::Type::MouseDown, 0, x, y, platform::kLeftButton, 0, 0});
        p.ui().dispatch({platform::InputEvent::Type::MouseUp, 0, x, y, platform::kLeftButton, 0, 0});
        if (shown == std::chrono::steady_clock::time_point{} || !p.game().dialogues().active()) {
            state.SkipWithError("the click did not show the answer");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - t0).count());
    }
}
BENCHMARK(BM_DialogueQuestionClickToAnswerShown)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
