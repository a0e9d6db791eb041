// The spoken-dialogue control on the real mixer: (a) from PlayQuestion to the question's first
// sound mixed; (b) what the control adds while its five players play: the container's look at
// the players every 20 ms and its keyboard look every 250 ms, measured per look and given as
// the share of one core they take.
#include "run/platform/components/ComponentHost.h"
#include "run/platform/media/Mixer.h"
#include "tests/platform/media/Tones.h"
#include "tests/support/ProjectBuilder.h"

#include <chrono>
#include <fstream>
#include <map>

#include <benchmark/benchmark.h>

namespace {

using namespace run::platform;

struct VoxRig {
    run::testing::TempFolder tmp;
    Mixer mixer;
    std::map<int, std::pair<std::uint32_t, std::function<void()>>> timers;
    int next = 1;
    ComponentHost host{mixer,
                       {[](pc_handle, const std::string&, std::vector<ComponentValue>&) {},
                        [](pc_handle, const std::string&) {},
                        [this](std::uint32_t ms, std::function<void()> tick) {
                            timers[next] = {ms, std::move(tick)};
                            return next++;
                        },
                        [this](int n) { timers.erase(n); }, [](int) { return false; },
                        [](const std::string& p) { return p; },
                        [](const std::string&, const std::string&, int) { return 1; }}};
    std::unique_ptr<ComponentObject> vox;

    VoxRig() {
        for (int i = 0; i < 5; ++i) {
            std::ofstream((tmp / ("t" + std::to_string(i) + ".wav")).string(), std::ios::binary)
                << Tone(22050, 1, 2.0, 220 + 110 * i, 0.3);
        }
        vox = host.create(VOXLINE_OCX, "Voxline.MainControl");
        vox->set("AudioFilePath", ComponentValue::text((tmp / "").string()));
        const char* files[5] = {"QuestionFile", "AnswerFile", "Audio1File", "Audio2File", "Audio3File"};
        for (int i = 0; i < 5; ++i)
            vox->set(files[i], ComponentValue::text("t" + std::to_string(i) + ".wav"));
    }
    // Runs every timer of that interval once.
    void tick(std::uint32_t ms) {
        std::vector<std::function<void()>> due;
        for (auto& [n, t] : timers)
            if (t.first == ms) due.push_back(t.second);
        for (auto& f : due)
            f();
    }
};

void BM_VoxlinePlayQuestionToSound(benchmark::State& state) {
    VoxRig rig;
    std::vector<float> out(2 * 64);
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        rig.vox->call("PlayQuestion", {});
        // The device pulls in small blocks; the first block with the question in it.
        bool heard = false;
        for (int block = 0; block < 100 && !heard; ++block) {
            rig.mixer.pull(out.data(), 64);
            for (float s : out)
                heard = heard || s != 0.0f;
        }
        const auto t1 = std::chrono::steady_clock::now();
        if (!heard) {
            state.SkipWithError("no sound");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        rig.vox->call("StopQuestion", {});
    }
}
BENCHMARK(BM_VoxlinePlayQuestionToSound)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One iteration is one second of play: its time is the control's CPU per second, so 10 ms
// would be 1 % of a core. A line and the three tracks play (a question and its answer never
// play together); the look goes over all five players.
void BM_VoxlineLooksPerSecondOfPlay(benchmark::State& state) {
    VoxRig rig;
    for (const char* m : {"PlayQuestion", "PlayAudio1", "PlayAudio2", "PlayAudio3"})
        rig.vox->call(m, {});
    for (auto _ : state) {
        for (int i = 0; i < 50; ++i)
            rig.tick(20);
        for (int i = 0; i < 4; ++i)
            rig.tick(250);
    }
}
BENCHMARK(BM_VoxlineLooksPerSecondOfPlay)->Unit(benchmark::kMicrosecond);

} // namespace
