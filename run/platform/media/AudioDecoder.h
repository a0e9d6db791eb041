// A sound file decoded as it plays: whatever libavformat reads (WAV, MP3, WMA, OGG …), turned
// into 44,100 Hz stereo float frames by libswresample. Opening reads only the headers; each
// read decodes just what it needs, so long music costs no memory up front.
#pragma once

#include "run/platform/media/SoundSource.h"

#include <cstddef>
#include <memory>
#include <string>

namespace run::platform {

class AudioDecoder : public SoundSource {
  public:
    // A decoder for the file, or null with the reason in `error`.
    static std::unique_ptr<AudioDecoder> open(const std::string& path, std::string& error);
    // The same from bytes in memory (tests, fuzzing).
    static std::unique_ptr<AudioDecoder> openMemory(std::string bytes, std::string& error);
    ~AudioDecoder() override;
    AudioDecoder(const AudioDecoder&) = delete;
    AudioDecoder& operator=(const AudioDecoder&) = delete;

    // Fills up to `frames` stereo frames (2 floats each); returns how many. Fewer than asked
    // means the sound has ended (or the rest of the file could not be decoded).
    std::size_t read(float* out, std::size_t frames) override;
    // Back to the start, for a sound that loops; false when the file cannot seek.
    bool rewind() override;
    // The length the file states, in seconds; 0 when it states none.
    double durationSeconds() const;

  private:
    struct Impl;
    explicit AudioDecoder(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> m_impl;
};

} // namespace run::platform
