// The demo's sounds, synthesised: sea, wind and surf from shaped noise, a creaking boat, a clock,
// a key's jingle and a bell. Written as 16-bit mono WAV at 16 kHz, small enough to keep in the
// repository; the player resamples them like any other file.
#pragma once

#include "tests/platform/media/MidiWriter.h"
#include "tests/platform/media/Tones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace demo {

constexpr int kRate = 16000;

inline std::string Wav(const std::vector<double>& samples) {
    std::string data;
    for (double v : samples)
        run::platform::put16(data, static_cast<int>(std::lround(std::clamp(v, -1.0, 1.0) * 32767)));
    return run::platform::PcmWav(kRate, 1, data);
}

// A repeatable noise source, so the demo's files come out the same on every machine.
class Noise {
  public:
    double next() {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(m_state >> 11) / static_cast<double>(1ULL << 53) * 2 - 1;
    }

  private:
    std::uint64_t m_state = 0x9E3779B97F4A7C15ULL;
};

// `seconds` of samples from f(t); the ends are eased so a loop joins without a click.
inline std::vector<double> Render(double seconds, const std::function<double(double)>& f,
                                  double ease = 0.02) {
    const int n = static_cast<int>(seconds * kRate);
    std::vector<double> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double edge = std::min({1.0, t / ease, (seconds - t) / ease});
        out[static_cast<std::size_t>(i)] = f(t) * edge;
    }
    return out;
}

// Noise through a one-pole low-pass with cut-off `hz`, its loudness shaped by `envelope`.
inline std::vector<double> ShapedNoise(double seconds, double hz,
                                       const std::function<double(double)>& envelope) {
    Noise noise;
    const double a = 1 - std::exp(-2 * M_PI * hz / kRate);
    double y = 0;
    return Render(seconds, [&](double t) {
        y += a * (noise.next() - y);
        return y * envelope(t);
    });
}

// Sea swell: low rumble rising and falling twice over four seconds (a full cycle, so it loops).
inline std::string Waves() {
    return Wav(
        ShapedNoise(4, 500, [](double t) { return 1.6 * (0.35 + 0.3 * (1 - std::cos(2 * M_PI * t / 2))); }));
}

// Wind: brighter noise with a slow whistle over it.
inline std::string Wind() {
    std::vector<double> wind =
        ShapedNoise(3, 1400, [](double t) { return 0.8 + 0.3 * std::sin(2 * M_PI * t / 3); });
    for (std::size_t i = 0; i < wind.size(); ++i) {
        const double t = double(i) / kRate;
        wind[i] += 0.08 * std::sin(2 * M_PI * (700 + 60 * std::sin(2 * M_PI * t / 3)) * t);
    }
    return Wav(wind);
}

// Surf: waves breaking every second and a half.
inline std::string Surf() {
    return Wav(ShapedNoise(3, 2500, [](double t) {
        const double phase = std::fmod(t, 1.5) / 1.5;
        return 1.5 * (0.25 + 0.75 * std::exp(-5 * phase) * std::min(1.0, phase * 30));
    }));
}

// The boat's creak: a rasping sweep down and up.
inline std::string Creak() {
    return Wav(Render(0.7, [](double t) {
        const double hz = 180 + 90 * std::sin(M_PI * t / 0.7);
        const double saw = 2 * std::fmod(hz * t, 1.0) - 1;
        return 0.45 * saw * std::sin(M_PI * t / 0.7);
    }));
}

// The cottage clock: a tick and a tock each second.
inline std::string Clock() {
    return Wav(Render(
        2,
        [](double t) {
            const double since = std::fmod(t, 0.5);
            const double hz = std::fmod(t, 1.0) < 0.5 ? 2400 : 1900;
            return 0.5 * std::exp(-since * 90) * std::sin(2 * M_PI * hz * since);
        },
        0.001));
}

// Keys on a ring: three bright clinks.
inline std::string Jingle() {
    return Wav(Render(
        0.8,
        [](double t) {
            double v = 0;
            for (double start : {0.0, 0.18, 0.31}) {
                if (t < start) continue;
                const double s = t - start;
                v +=
                    std::exp(-s * 18) * (std::sin(2 * M_PI * 3100 * s) + 0.6 * std::sin(2 * M_PI * 4700 * s));
            }
            return 0.3 * v;
        },
        0.001));
}

// A bell for the ending: a struck partial series dying away.
inline std::string Chime() {
    return Wav(Render(
        2.5,
        [](double t) {
            double v = 0;
            const double partials[][2] = {{523.25, 1.0}, {1046.5, 0.5}, {1569.8, 0.3}, {2637, 0.2}};
            for (const auto& p : partials)
                v += p[1] * std::exp(-t * (1.2 + p[0] / 900)) * std::sin(2 * M_PI * p[0] * t);
            return 0.35 * v;
        },
        0.003));
}

// The lighthouse's tune: an old capstan shanty on an accordion over bass and chords, eight
// seconds that loop.
inline std::string Shanty() {
    run::platform::MidiWriter w(480);
    w.tempo(0, 500'000).program(0, 0, 21).program(0, 1, 32).program(0, 2, 48);
    const int lines[4][8] = {{69, 69, 69, 69, 69, 62, 65, 69},
                             {67, 67, 67, 67, 67, 60, 64, 67},
                             {69, 69, 69, 69, 69, 71, 72, 74},
                             {72, 69, 67, 64, 62, 0, 62, 0}};
    const int chords[4][3] = {{50, 53, 57}, {48, 52, 55}, {50, 53, 57}, {48, 52, 55}};
    for (std::uint32_t line = 0; line < 4; ++line) {
        const std::uint32_t t = line * 1920;
        for (std::uint32_t i = 0; i < 8; ++i) {
            const int key = lines[line][i];
            if (key) w.note(t + i * 240, key == 62 && line == 3 ? 470 : 220, 0, key, 96);
        }
        const int(&chord)[3] = line == 3 ? chords[0] : chords[line];
        for (int key : chord)
            w.note(t, 1900, 2, key, 52);
        w.note(t, 900, 1, chord[0] - 12, 90).note(t + 960, 900, 1, chord[2] - 12, 80);
    }
    return w.end(4 * 1920).bytes();
}

} // namespace demo
