// A MIDI tune as the mixer plays it: a Standard MIDI File performed by FluidSynth with the General
// MIDI sound font, rendered to 44,100 Hz stereo float frames as it is read. The sound font is large
// (about 150 MB, 0.15 to 0.5 s to load), so it is loaded once per process and shared by every
// tune; each tune has only its own small synthesizer. preload() loads the font ahead of the first
// tune, which then opens in under a millisecond.
//
// open() belongs on the game's thread, read() and rewind() on the audio device's thread; any
// number of tunes may play at once.
#pragma once

#include "run/platform/media/SoundSource.h"

#include <cstddef>
#include <memory>
#include <string>

namespace run::platform {

class MidiSource : public SoundSource {
  public:
    // A tune from the file, or null with the reason in `error`: not a MIDI file, a file damaged
    // before its first track, or no General MIDI sound font installed. A track damaged further
    // on plays up to the damage.
    static std::unique_ptr<MidiSource> open(const std::string& path, std::string& error);
    // The same from bytes in memory (tests, fuzzing).
    static std::unique_ptr<MidiSource> openMemory(std::string bytes, std::string& error);
    // What keeps the bytes from being a tune, or "" when they read as one; the sound font is not
    // loaded (tools that check a game's files).
    static std::string check(const std::string& bytes);
    // Loads the shared sound font now unless it is loaded already; blocks until it is. Meant for
    // a background thread at start, so the first tune need not wait. Failures are reported by
    // the open() that follows.
    static void preload();

    ~MidiSource() override;
    MidiSource(const MidiSource&) = delete;
    MidiSource& operator=(const MidiSource&) = delete;

    // Fills up to `frames` stereo frames (2 floats each); returns how many. After the tune's last
    // event the notes ring out (at most a second, faded at its end); fewer frames than asked
    // means the tune has ended.
    std::size_t read(float* out, std::size_t frames) override;
    // From the start again, every note silenced and every controller as at the start.
    bool rewind() override;
    // How long the tune lasts by its events and tempo changes, without the ring-out.
    double durationSeconds() const;

  private:
    struct Impl;
    explicit MidiSource(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace run::platform
