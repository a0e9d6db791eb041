// Mixes the sounds that play into one 44.1 kHz stereo stream that an audio device pulls. Voices
// are started, changed and stopped from the game's thread; the device's thread only pulls. One
// short lock guards the voices.
#pragma once

#include "run/platform/media/SoundSource.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace run::platform {

// Hundredths of a decibel as a linear gain: 0 is full level, −10,000 (and below) silence.
double GainFromVolume(int hundredthsOfDecibel);

class Mixer {
  public:
    using Voice = int; // 0 stands for none

    // Starts a sound at `gain`, played `playCount` times (0: over and over until stopped).
    Voice start(std::unique_ptr<SoundSource> sound, double gain, int playCount);
    void stop(Voice voice);
    void setGain(Voice voice, double gain);
    // Lowers one side by hundredths of a decibel: a positive balance the left, a negative one
    // the right (±10,000 silences that side).
    void setBalance(Voice voice, int hundredthsOfDecibel);
    bool playing(Voice voice) const;
    // How far the sound has played in its current pass, in seconds.
    double positionSeconds(Voice voice) const;

    // The device's side: `frames` stereo frames of every playing sound mixed, written to `out`.
    void pull(float* out, std::size_t frames);
    // The root-mean-square level of the last pull (1 is a full-scale square wave).
    double lastLevel() const;
    // Every frame a device has pulled so far: it stays still while no device plays.
    std::uint64_t framesPulled() const { return m_framesPulled; }

  private:
    struct State {
        Voice id = 0;
        std::unique_ptr<SoundSource> sound;
        double gain = 1;
        double left = 1, right = 1; // the balance
        int playsLeft = 1;          // 0: for ever
        std::uint64_t framesThisPass = 0;
    };
    // Frees the sounds that ended during pulls; called on the game's thread, never the device's.
    void freeEnded();
    State* find(Voice voice);
    const State* find(Voice voice) const;

    mutable std::mutex m_lock;
    std::vector<State> m_voices;
    std::vector<float> m_scratch;
    std::vector<std::unique_ptr<SoundSource>> m_ended; // freed later, away from the device
    Voice m_next = 1;
    std::atomic<std::uint64_t> m_framesPulled{0};
    double m_lastLevel = 0;
};

} // namespace run::platform
