// A sound the mixer plays: 44,100 Hz stereo float frames, read as it plays, rewound for loops.
// Decoded files and MIDI tunes are both sources.
#pragma once

#include <cstddef>

namespace run::platform {

class SoundSource {
  public:
    static constexpr int kRate = 44100;
    static constexpr int kChannels = 2;

    virtual ~SoundSource() = default;
    // Fills up to `frames` stereo frames (2 floats each); returns how many. Fewer than asked
    // means the sound has ended.
    virtual std::size_t read(float* out, std::size_t frames) = 0;
    // Back to the start, for a sound that loops; false when the sound cannot start again.
    virtual bool rewind() = 0;
};

} // namespace run::platform
