// MIDI tunes played through FluidSynth and the General MIDI sound font, judged by what they put
// out: notes sound when the tempo says, a tune ends after its ring-out and plays again when
// rewound, tunes play together on the one shared font, foreign and damaged files are refused or
// end, and a file of a million events opens and plays.
#include "run/platform/media/MidiSource.h"
#include "run/platform/media/Mixer.h"
#include "tests/platform/media/MidiWriter.h"
#include "tests/platform/media/Tones.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace run::platform {
namespace {

constexpr int kRate = SoundSource::kRate;

// At 60 beats a minute, a second of silence, then a major chord for a second.
std::string Chord(int program, int key) {
    MidiWriter w(480);
    w.tempo(0, 1'000'000).program(0, 0, program);
    for (int k : {key, key + 4, key + 7})
        w.note(480, 480, 0, k, 110);
    return w.end(960).bytes();
}

std::unique_ptr<MidiSource> Open(std::string bytes) {
    std::string error;
    auto tune = MidiSource::openMemory(std::move(bytes), error);
    EXPECT_TRUE(tune) << error;
    return tune;
}

// Everything the tune puts out, or a minute of it.
std::vector<float> ReadAll(MidiSource& tune) {
    std::vector<float> all;
    float block[2 * 1000];
    for (std::size_t n = 1000; n == 1000 && all.size() < 2u * 60 * kRate;) {
        n = tune.read(block, 1000);
        all.insert(all.end(), block, block + 2 * n);
    }
    return all;
}

// The level of the frames from `from` to `to` seconds.
double Rms(const std::vector<float>& s, double from, double to) {
    const auto begin = std::min(s.size(), std::size_t(from * kRate) * 2);
    const auto end = std::min(s.size(), std::size_t(to * kRate) * 2);
    double sum = 0;
    for (auto i = begin; i < end; ++i)
        sum += double(s[i]) * s[i];
    return end > begin ? std::sqrt(sum / double(end - begin)) : 0;
}

TEST(MidiSource, NotesSoundOnTimeThenTheTuneEndsAndPlaysAgain) {
    const auto path = std::filesystem::path(testing::TempDir()) / "chord.mid";
    std::ofstream(path, std::ios::binary) << Chord(0, 60);
    std::string error;
    auto tune = MidiSource::open(path.string(), error);
    ASSERT_TRUE(tune) << error;
    EXPECT_DOUBLE_EQ(tune->durationSeconds(), 2.0);

    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass == 0 ? "first pass" : "after rewind");
        const auto samples = ReadAll(*tune);
        const double seconds = double(samples.size()) / 2 / kRate;
        EXPECT_GE(seconds, 2.0) << "the whole tune";
        EXPECT_LE(seconds, 3.05) << "and at most a second of ring-out";
        EXPECT_LT(Rms(samples, 0, 0.95), 1e-4) << "a second's rest at 60 beats a minute";
        EXPECT_GT(Rms(samples, 1.05, 1.95), 0.01) << "then the chord";
        EXPECT_LT(std::fabs(samples.back()), 0.01) << "the ring-out dies away or fades";
        float more[2 * 16];
        EXPECT_EQ(tune->read(more, 16), 0u) << "ended";
        ASSERT_TRUE(tune->rewind());
    }
}

TEST(MidiSource, TunesPlayTogetherOnTheSharedFont) {
    MidiSource::preload();
    Mixer m;
    const Mixer::Voice twice = m.start(Open(Chord(0, 60)), 1.0, 2);
    const Mixer::Voice strings = m.start(Open(Chord(48, 67)), 1.0, 1);
    std::vector<float> block(2 * 4410);
    auto level = [&](double seconds) {
        double sum = 0;
        for (int i = 0; i < int(seconds * 10); ++i) {
            m.pull(block.data(), 4410);
            sum += m.lastLevel() * m.lastLevel();
        }
        return std::sqrt(sum / (seconds * 10));
    };
    EXPECT_LT(level(0.9), 1e-4);
    const double both = level(1.0);
    EXPECT_GT(both, 0.03) << "two chords at once";
    level(1.3);
    EXPECT_FALSE(m.playing(strings)) << "played once and rung out";
    EXPECT_TRUE(m.playing(twice)) << "its second pass";
    // A tune opened and dropped meanwhile leaves the font to the one still playing.
    Open(Chord(73, 72)).reset();
    EXPECT_GT(level(2.0), 0.01);
    level(1.0);
    EXPECT_FALSE(m.playing(twice));
    EXPECT_EQ(level(0.2), 0.0);
}

TEST(MidiSource, ForeignAndDamagedFilesAreRefusedOrEnd) {
    std::string error;
    for (const std::string& bytes :
         {std::string(), Tone(44100, 2, 0.1, 440, 0.5), std::string(4096, '\x5A')}) {
        EXPECT_FALSE(MidiSource::openMemory(bytes, error));
        EXPECT_NE(error.find("MThd"), std::string::npos) << error;
    }
    EXPECT_FALSE(MidiSource::open("/nonexistent/tune.mid", error));
    EXPECT_FALSE(error.empty());
    std::string smpte = Chord(0, 60);
    smpte[12] = '\xE7'; // 25 frames a second
    EXPECT_FALSE(MidiSource::openMemory(smpte, error));
    EXPECT_NE(error.find("SMPTE"), std::string::npos) << error;
    std::string noTracks = Chord(0, 60).substr(0, 14);
    EXPECT_FALSE(MidiSource::openMemory(noTracks, error));

    // Cut anywhere: refused, or it plays up to the cut and ends.
    const std::string whole = Chord(0, 60);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE("cut at " + std::to_string(cut));
        auto tune = MidiSource::openMemory(whole.substr(0, cut), error);
        if (!tune) continue;
        const auto samples = ReadAll(*tune);
        EXPECT_LE(samples.size(), 2u * 4 * kRate);
    }
    // Without its last note-offs the chord still sounds, then is cut a second later.
    auto held = Open(whole.substr(0, whole.size() - 17));
    ASSERT_TRUE(held);
    const auto samples = ReadAll(*held);
    EXPECT_GT(Rms(samples, 1.05, 1.95), 0.01);
    EXPECT_LE(double(samples.size()) / 2 / kRate, 2.05);

    // Bytes that are no events at all after a good header and track chunk.
    std::string garbage = whole.substr(0, 22);
    for (int i = 0; i < 4000; ++i)
        garbage += static_cast<char>((i * 7919) >> 3);
    if (auto tune = MidiSource::openMemory(garbage, error)) ReadAll(*tune);
}

TEST(MidiSource, AMillionEventsOpenAndPlay) {
    // A legato line, a new note each tick, written with running status as sequencers save long
    // files: after the first, each event is delta key velocity (velocity 0 ends a note).
    std::string track("\x00\x90\x3C\x64", 4);
    for (int i = 1; i < 500'000; ++i) {
        track += std::string{'\x01', static_cast<char>(60 + i % 24), '\x64'};
        track += std::string{'\x00', static_cast<char>(60 + (i - 1) % 24), '\x00'};
    }
    track += std::string("\x00\xFF\x2F\x00", 4);
    auto file = [](const std::string& t) {
        std::string f = std::string("MThd\0\0\0\6\0\0\0\1\1\xE0MTrk", 18);
        MidiWriter::bigEndian(f, static_cast<std::uint32_t>(t.size()), 4);
        return f + t;
    };
    auto line = Open(file(track));
    ASSERT_TRUE(line);
    EXPECT_NEAR(line->durationSeconds(), 499'999 * 0.5 / 480, 0.01);
    std::vector<float> block(2 * 8192);
    ASSERT_EQ(line->read(block.data(), 8192), 8192u);
    EXPECT_GT(Rms(block, 0, 1), 0.01);

    // A million at one instant: they are taken a block's share at a time, not all at once.
    std::string chord("\x00\x90\x3C\x64", 4);
    for (int i = 1; i < 1'000'000; ++i)
        chord += std::string{'\x00', static_cast<char>(36 + i % 48), '\x64'};
    chord += std::string("\x00\xFF\x2F\x00", 4);
    auto flood = Open(file(chord));
    ASSERT_TRUE(flood);
    ASSERT_EQ(flood->read(block.data(), 8192), 8192u);
    EXPECT_GT(Rms(block, 0, 1), 0.01);
}

} // namespace
} // namespace run::platform
