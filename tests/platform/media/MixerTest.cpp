// The mixer by what it puts out: levels from gains and volumes, two sounds adding up, a sound
// played twice then silent, one looping until stopped, and nothing left of a stopped sound.
#include "run/platform/media/Mixer.h"
#include "run/platform/media/AudioDecoder.h"
#include "tests/platform/media/Tones.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace run::platform {
namespace {

std::unique_ptr<AudioDecoder> Sound(double seconds, double amp, double hz = 441) {
    std::string error;
    auto d = AudioDecoder::openMemory(Tone(44100, 2, seconds, hz, amp), error);
    EXPECT_TRUE(d) << error;
    return d;
}

// The level of the next `seconds` of mixed sound.
double Level(Mixer& m, double seconds) {
    std::vector<float> block(2 * 441);
    double sum = 0;
    std::size_t count = 0;
    for (int i = 0; i < int(seconds * 100); ++i) {
        m.pull(block.data(), 441);
        for (float v : block)
            sum += double(v) * v;
        count += block.size();
    }
    return std::sqrt(sum / double(count));
}

TEST(Mixer, VolumesAndGains) {
    EXPECT_DOUBLE_EQ(GainFromVolume(0), 1.0);
    EXPECT_NEAR(GainFromVolume(-600), 0.501, 0.001) << "-6 dB is about half";
    EXPECT_EQ(GainFromVolume(-10000), 0.0);
    EXPECT_EQ(GainFromVolume(-20000), 0.0);
    EXPECT_DOUBLE_EQ(GainFromVolume(500), 1.0) << "never louder than the sound itself";

    Mixer m;
    const Mixer::Voice v = m.start(Sound(1.0, 0.4), GainFromVolume(-600), 1);
    EXPECT_NEAR(Level(m, 0.2), 0.4 / std::sqrt(2.0) * 0.501, 0.01);
    m.setGain(v, 1.0);
    EXPECT_NEAR(Level(m, 0.2), 0.4 / std::sqrt(2.0), 0.01);
    // A second sound of another pitch adds its power.
    m.start(Sound(1.0, 0.3, 1000), 1.0, 1);
    EXPECT_NEAR(Level(m, 0.2), std::sqrt(0.08 + 0.045), 0.01);
}

TEST(Mixer, PlayCountsLoopsAndStopping) {
    Mixer m;
    const Mixer::Voice twice = m.start(Sound(0.3, 0.5), 1.0, 2);
    EXPECT_GT(Level(m, 0.55), 0.3) << "played twice";
    EXPECT_TRUE(m.playing(twice));
    Level(m, 0.1);
    EXPECT_FALSE(m.playing(twice));
    EXPECT_EQ(Level(m, 0.2), 0.0) << "then silence";

    const Mixer::Voice loop = m.start(Sound(0.1, 0.5), 1.0, 0);
    EXPECT_GT(Level(m, 1.0), 0.3) << "ten passes of a tenth of a second";
    EXPECT_TRUE(m.playing(loop));
    EXPECT_LE(m.positionSeconds(loop), 0.1) << "within one pass";
    m.stop(loop);
    EXPECT_FALSE(m.playing(loop));
    EXPECT_EQ(Level(m, 0.1), 0.0);

    // An empty sound that loops for ever ends instead of spinning.
    std::string error;
    auto empty = AudioDecoder::openMemory(Tone(44100, 2, 0, 440, 0.5), error);
    if (empty) {
        const Mixer::Voice none = m.start(std::move(empty), 1.0, 0);
        Level(m, 0.01);
        EXPECT_FALSE(m.playing(none));
    }
}

} // namespace
} // namespace run::platform
