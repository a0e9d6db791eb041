// Sound: mixing seven playing channels (one a MIDI tune) for one device buffer, and the start of
// a sound after its request (open, play, first audible frame out of the mixer). The CPU share is
// the time a buffer takes to mix over the time it lasts.
#include "run/platform/media/MediaPlayer.h"
#include "run/platform/media/MidiSource.h"
#include "tests/platform/media/MidiWriter.h"
#include "tests/platform/media/Tones.h"
#include "tests/support/ProjectBuilder.h"

#include <cmath>
#include <fstream>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

using namespace run::platform;

constexpr std::size_t kBuffer = 512; // the SDL device's buffer, 11.6 ms

std::string write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

struct Files {
    run::testing::TempFolder tmp;
    std::vector<std::string> wavs;
    std::string tune;
    Files() {
        // Three that need resampling (22.05 kHz mono), three that do not (44.1 kHz stereo).
        for (int i = 0; i < 6; ++i) {
            const int rate = i < 3 ? 22050 : 44100;
            wavs.push_back(write(tmp / ("tone" + std::to_string(i) + ".wav"),
                                 Tone(rate, i < 3 ? 1 : 2, 2.0, 220 + 110 * i, 0.2)));
        }
        // A two-hand tune: melody on a piano, chords on strings, bass, twelve seconds.
        MidiWriter w(480);
        w.program(0, 0, 0).program(0, 1, 48).program(0, 2, 32);
        for (int bar = 0; bar < 12; ++bar) {
            const std::uint32_t t = static_cast<std::uint32_t>(bar) * 1920;
            for (int beat = 0; beat < 4; ++beat)
                w.note(t + beat * 480u, 440, 0, 60 + (bar * 5 + beat * 3) % 19);
            for (int key : {48, 52, 55})
                w.note(t, 1900, 1, key + bar % 5, 70);
            w.note(t, 900, 2, 36 + bar % 7).note(t + 960, 900, 2, 43 + bar % 5);
        }
        tune = write(tmp / "tune.mid", w.end(12 * 1920).bytes());
    }
};

void BM_MixSevenChannels(benchmark::State& state) {
    Files files;
    MidiSource::preload();
    Mixer mixer;
    std::vector<std::unique_ptr<MediaPlayer>> players;
    for (int i = 0; i < 7; ++i) {
        auto p = std::make_unique<MediaPlayer>(mixer);
        p->setFileName(i < 6 ? files.wavs[static_cast<std::size_t>(i)] : files.tune);
        p->setPlayCount(0);
        p->setVolume(-600);
        p->Play();
        players.push_back(std::move(p));
    }
    std::vector<float> out(kBuffer * 2);
    for (auto _ : state) {
        mixer.pull(out.data(), kBuffer);
        benchmark::DoNotOptimize(out[7]);
    }
    state.counters["core_fraction"] =
        benchmark::Counter(double(kBuffer) / 44100.0 * double(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MixSevenChannels)->Unit(benchmark::kMicrosecond);

// From the request to the first non-silent frame the mixer hands the device.
void soundStart(benchmark::State& state, bool midi) {
    Files files;
    MidiSource::preload();
    Mixer mixer;
    MediaPlayer player(mixer);
    std::vector<float> out(kBuffer * 2);
    for (auto _ : state) {
        player.setFileName(midi ? files.tune : files.wavs[0]);
        player.setVolume(0);
        player.setPlayCount(1);
        player.Play();
        bool heard = false;
        for (int pulls = 0; pulls < 100 && !heard; ++pulls) {
            mixer.pull(out.data(), kBuffer);
            for (float v : out)
                heard = heard || std::fabs(v) > 1e-4f;
        }
        if (!heard) state.SkipWithError("the sound was never heard");
        player.Stop();
    }
}
void BM_SoundStartWav(benchmark::State& state) {
    soundStart(state, false);
}
void BM_SoundStartMidi(benchmark::State& state) {
    soundStart(state, true);
}
BENCHMARK(BM_SoundStartWav)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoundStartMidi)->Unit(benchmark::kMillisecond);

} // namespace
