// One media player of the game window: a file is loaded by naming it, played a number of times
// (0: until stopped) at a volume in hundredths of a decibel, and stopped. Its sound goes to the
// shared mixer. Files are audio files FFmpeg reads or Standard MIDI Files, told apart by their
// first bytes.
#pragma once

#include "run/platform/media/Mixer.h"

#include <memory>
#include <string>

namespace run::platform {

class MediaPlayer {
  public:
    // The play states the game reads: 2 is playing, anything else is not.
    static constexpr int kStopped = 0;
    static constexpr int kPlaying = 2;

    explicit MediaPlayer(Mixer& mixer) : m_mixer(mixer) {}
    ~MediaPlayer() { Stop(); }
    MediaPlayer(const MediaPlayer&) = delete;
    MediaPlayer& operator=(const MediaPlayer&) = delete;

    const std::string& FileName() const { return m_fileName; }
    // Loads the file (a playing one stops); throws std::runtime_error when it cannot be opened
    // or is not a sound. "" unloads.
    void setFileName(const std::string& path);
    int Volume() const { return m_volume; }
    void setVolume(int hundredthsOfDecibel);
    // -10,000 (left only) to 10,000 (right only), in hundredths of a decibel; 0 is centred.
    int Balance() const { return m_balance; }
    void setBalance(int hundredthsOfDecibel);
    int PlayCount() const { return m_playCount; }
    void setPlayCount(int count) { m_playCount = count < 0 ? 1 : count; }
    int PlayState() const;
    // Played to the end of its file (not stopped); until the next Play, Stop or file.
    bool ReachedEnd() const;
    // Plays the loaded file from its start; throws when it can no longer be read.
    void Play();
    void Stop();
    // Seconds into the current pass; 0 when not playing.
    double CurrentPosition() const;

  private:
    Mixer& m_mixer;
    std::string m_fileName;
    std::unique_ptr<SoundSource> m_loaded; // opened and waiting for Play
    Mixer::Voice m_voice = 0;
    int m_volume = 0;
    int m_balance = 0;
    int m_playCount = 1;
};

// Opens a sound file for the mixer: MIDI by its header, anything else through FFmpeg. Null with
// the reason in `error` when it cannot be played.
std::unique_ptr<SoundSource> OpenSoundFile(const std::string& path, std::string& error);

} // namespace run::platform
