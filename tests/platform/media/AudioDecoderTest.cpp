// Sound files decoded to 44.1 kHz stereo: a tone comes out at its length and level whatever its
// rate and channels, loops rewind, and damaged or foreign files fail cleanly or end early.
#include "run/platform/media/AudioDecoder.h"
#include "tests/platform/media/Tones.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace run::platform {
namespace {

std::vector<float> DecodeAll(AudioDecoder& d) {
    std::vector<float> all;
    float chunk[2 * 1000];
    for (std::size_t n; (n = d.read(chunk, 1000)) > 0;)
        all.insert(all.end(), chunk, chunk + 2 * n);
    return all;
}

double Rms(const std::vector<float>& s) {
    double sum = 0;
    for (float v : s)
        sum += double(v) * v;
    return s.empty() ? 0 : std::sqrt(sum / double(s.size()));
}

TEST(AudioDecoder, TonesComeOutAtTheirLengthAndLevel) {
    for (auto [rate, channels] : {std::pair{44100, 2}, std::pair{22050, 1}, std::pair{48000, 2}}) {
        SCOPED_TRACE(std::to_string(rate) + " Hz, " + std::to_string(channels) + " channel(s)");
        std::string error;
        auto d = AudioDecoder::openMemory(Tone(rate, channels, 0.5, 440, 0.5), error);
        ASSERT_TRUE(d) << error;
        EXPECT_NEAR(d->durationSeconds(), 0.5, 0.01);
        const auto samples = DecodeAll(*d);
        EXPECT_NEAR(double(samples.size()) / 2, 22050, 200) << "half a second at 44.1 kHz";
        EXPECT_NEAR(Rms(samples), 0.5 / std::sqrt(2.0), 0.02) << "the sine's level";
        EXPECT_FLOAT_EQ(samples[2 * 1000], samples[2 * 1000 + 1]) << "mono is heard on both sides";

        ASSERT_TRUE(d->rewind());
        EXPECT_NEAR(double(DecodeAll(*d).size()) / 2, 22050, 200) << "a loop plays it all again";
    }
}

TEST(AudioDecoder, DamagedAndForeignFiles) {
    std::string error;
    EXPECT_FALSE(AudioDecoder::openMemory("", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(AudioDecoder::openMemory(std::string(4096, '\x5A'), error)) << "garbage";
    EXPECT_FALSE(AudioDecoder::open("/nonexistent/sound.wav", error));
    EXPECT_FALSE(AudioDecoder::openMemory(Tone(687874880, 1, 0, 440, 0.5), error)) << "a rate no card has";
    // A header that claims 4 GB of samples: what is there plays, then the sound ends.
    auto big = AudioDecoder::openMemory(Tone(44100, 2, 0.25, 440, 0.5, 0xFFFFFFF0u), error);
    ASSERT_TRUE(big) << error;
    EXPECT_NEAR(double(DecodeAll(*big).size()) / 2, 11025, 200);
    // Cut in the middle of the samples: the part before the cut.
    std::string cut = Tone(44100, 2, 0.5, 440, 0.5);
    cut.resize(cut.size() / 2);
    auto half = AudioDecoder::openMemory(cut, error);
    ASSERT_TRUE(half) << error;
    EXPECT_NEAR(double(DecodeAll(*half).size()) / 2, 11025, 300);
    // A header whose format the decoder changes after the first frame: decoded without a crash.
    if (auto changing = AudioDecoder::open(MEDIA_CORPUS "/format-change.wav", error)) DecodeAll(*changing);
}

} // namespace
} // namespace run::platform
