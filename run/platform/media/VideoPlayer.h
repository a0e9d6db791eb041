// A media player that also gives pictures: a video file loaded by naming it, played a number of
// times (0: until stopped) at a volume in hundredths of a decibel and at a rate, and stopped. Its
// sound goes to the shared mixer like any other player's; its pictures follow the sound's clock
// (the sound leads: a picture whose time has passed is dropped, never shown late), or the given
// clock when the video has no sound or the sound has stopped. `update` moves the pictures on and
// is called as often as pictures may change.
#pragma once

#include "run/platform/media/Mixer.h"
#include "run/platform/media/VideoDecoder.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace run::platform {

class VideoPlayer {
  public:
    using Clock = std::function<std::uint64_t()>; // milliseconds, never going back
    static constexpr int kStopped = 0;
    static constexpr int kPlaying = 2;

    VideoPlayer(Mixer& mixer, Clock clock) : m_mixer(mixer), m_clock(std::move(clock)) {}
    ~VideoPlayer() { Stop(); }
    VideoPlayer(const VideoPlayer&) = delete;
    VideoPlayer& operator=(const VideoPlayer&) = delete;

    const std::string& FileName() const { return m_fileName; }
    // Loads the file (a playing one stops) and shows its first picture; throws
    // std::runtime_error when it is neither a video nor a sound this player reads. "" unloads.
    void setFileName(const std::string& path);
    int Volume() const { return m_volume; }
    void setVolume(int hundredthsOfDecibel);
    int PlayCount() const { return m_playCount; }
    void setPlayCount(int count) { m_playCount = count < 0 ? 1 : count; }
    // The speed, 1 being the video's own. At any other speed the sound is left out: played
    // faster or slower it would only be noise.
    double Rate() const { return m_rate; }
    void setRate(double rate);
    int PlayState() const { return m_playing ? kPlaying : kStopped; }
    // Plays from the start of the video; throws when the file can no longer be read.
    void Play();
    // Stops; the picture shown stays.
    void Stop();
    // Seconds into the current pass.
    double CurrentPosition() const { return m_position; }

    // Moves the pictures on to the clock and starts the next pass when one ends; true when the
    // picture changed.
    bool update();
    bool hasPictures() const { return m_video != nullptr; }
    const Canvas& picture() const;
    // The video's own size in pixels (0 for a sound without pictures).
    int naturalWidth() const { return m_video ? m_video->width() : 0; }
    int naturalHeight() const { return m_video ? m_video->height() : 0; }
    // The size the pictures are shown at; 0 or less: the video's own.
    void setOutputSize(int width, int height);
    // Milliseconds until the picture should next change (a long time when nothing plays).
    int msUntilNextPicture() const;

    std::uint64_t picturesShown() const { return m_video ? m_video->picturesShown() : 0; }
    std::uint64_t picturesDropped() const { return m_video ? m_video->picturesDropped() : 0; }

  private:
    void startPass();
    double passClock();

    Mixer& m_mixer;
    Clock m_clock;
    std::string m_fileName;
    std::unique_ptr<VideoDecoder> m_video;
    bool m_hasSound = false;
    Mixer::Voice m_voice = 0;
    int m_volume = 0;
    int m_playCount = 1;
    double m_rate = 1;
    bool m_playing = false;
    int m_passesDone = 0;
    std::uint64_t m_passStartMs = 0;
    std::uint64_t m_pulledAtPassStart = 0;
    double m_position = 0;
};

} // namespace run::platform
