// Sounds the media tests (and the demo's generator) write themselves: 16-bit PCM WAV files.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>

namespace run::platform {

inline void put16(std::string& s, int v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
inline void put32(std::string& s, std::uint32_t v) {
    put16(s, static_cast<int>(v & 0xFFFF));
    put16(s, static_cast<int>(v >> 16));
}

// A 16-bit PCM WAV around interleaved sample bytes; `claimedData` overrides the size the header
// gives its samples.
inline std::string PcmWav(int rate, int channels, const std::string& data, std::uint32_t claimedData = 0) {
    std::string wav = "RIFF";
    put32(wav, static_cast<std::uint32_t>(36 + data.size()));
    wav += "WAVEfmt ";
    put32(wav, 16);
    put16(wav, 1);
    put16(wav, channels);
    put32(wav, static_cast<std::uint32_t>(rate));
    put32(wav, static_cast<std::uint32_t>(rate * channels * 2));
    put16(wav, channels * 2);
    put16(wav, 16);
    wav += "data";
    put32(wav, claimedData ? claimedData : static_cast<std::uint32_t>(data.size()));
    return wav + data;
}

// A 16-bit PCM WAV of a sine at `hz`, amplitude `amp` (0–1).
inline std::string Tone(int rate, int channels, double seconds, double hz, double amp,
                        std::uint32_t claimedData = 0) {
    const int frames = static_cast<int>(rate * seconds);
    std::string data;
    for (int i = 0; i < frames; ++i) {
        const int v = static_cast<int>(std::lround(amp * 32767 * std::sin(2 * M_PI * hz * i / rate)));
        for (int c = 0; c < channels; ++c)
            put16(data, v);
    }
    return PcmWav(rate, channels, data, claimedData);
}

} // namespace run::platform
