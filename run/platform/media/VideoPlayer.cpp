#include "run/platform/media/VideoPlayer.h"

#include "run/platform/media/AudioDecoder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace run::platform {

namespace {

const Canvas kNoPicture;

// Further apart than this, the sound's clock is not trusted: the device stalled or never ran.
constexpr double kClockTolerance = 1.0;

} // namespace

void VideoPlayer::setFileName(const std::string& path) {
    Stop();
    m_video.reset();
    m_hasSound = false;
    m_fileName.clear();
    m_position = 0;
    if (path.empty()) return;
    std::string videoError;
    m_video = VideoDecoder::open(path, videoError);
    std::string soundError;
    m_hasSound = AudioDecoder::open(path, soundError) != nullptr;
    if (!m_video && !m_hasSound) throw std::runtime_error(videoError);
    m_fileName = path;
    if (m_video) m_video->advanceTo(0);
}

void VideoPlayer::setVolume(int hundredthsOfDecibel) {
    m_volume = hundredthsOfDecibel;
    if (m_voice) m_mixer.setGain(m_voice, GainFromVolume(m_volume));
}

void VideoPlayer::setRate(double rate) {
    m_rate = std::isfinite(rate) ? std::clamp(rate, 0.1, 10.0) : 1.0;
}

void VideoPlayer::Play() {
    if (m_fileName.empty()) throw std::runtime_error("No file is loaded in the media player.");
    Stop();
    m_passesDone = 0;
    m_playing = true;
    startPass();
}

void VideoPlayer::Stop() {
    if (m_voice) m_mixer.stop(m_voice);
    m_voice = 0;
    m_playing = false;
}

void VideoPlayer::startPass() {
    if (m_voice) m_mixer.stop(m_voice);
    m_voice = 0;
    if (m_video && m_video->picturesShown() > 0 && !m_video->rewind()) {
        // A file that cannot go back to its start plays once.
        m_playing = false;
        return;
    }
    if (m_hasSound && m_rate == 1.0) {
        std::string error;
        if (auto sound = AudioDecoder::open(m_fileName, error))
            m_voice = m_mixer.start(std::move(sound), GainFromVolume(m_volume), 1);
    }
    m_passStartMs = m_clock();
    m_pulledAtPassStart = m_mixer.framesPulled();
    m_position = 0;
    if (m_video) m_video->advanceTo(0);
}

double VideoPlayer::passClock() {
    const double wall = static_cast<double>(m_clock() - m_passStartMs) / 1000.0 * m_rate;
    double t = wall;
    // The sound's clock leads only while a device plays it; with none (or one that stalled)
    // the pictures keep the engine's time.
    if (m_voice && m_mixer.playing(m_voice) && m_mixer.framesPulled() != m_pulledAtPassStart) {
        const double heard = m_mixer.positionSeconds(m_voice);
        if (std::abs(heard - wall) < kClockTolerance) t = heard;
    }
    m_position = std::max(m_position, t);
    return m_position;
}

bool VideoPlayer::update() {
    if (!m_playing) return false;
    const double t = passClock();
    bool changed = m_video && m_video->advanceTo(t);
    const bool picturesDone = !m_video || (m_video->ended() && t >= m_video->endSeconds());
    const bool soundDone = !m_voice || !m_mixer.playing(m_voice);
    if (picturesDone && soundDone) {
        ++m_passesDone;
        if (m_playCount == 0 || m_passesDone < m_playCount) {
            startPass();
            changed = true;
        } else {
            Stop();
        }
    }
    return changed;
}

const Canvas& VideoPlayer::picture() const {
    return m_video ? m_video->picture() : kNoPicture;
}

void VideoPlayer::setOutputSize(int width, int height) {
    if (m_video) m_video->setOutputSize(width, height);
}

int VideoPlayer::msUntilNextPicture() const {
    constexpr int kIdle = 1000;
    if (!m_playing) return kIdle;
    if (!m_video) return 50;
    double next = m_video->nextPictureSeconds();
    if (next < 0) next = m_video->endSeconds();
    const double ms = (next - m_position) / m_rate * 1000.0;
    return static_cast<int>(std::clamp(std::ceil(ms), 1.0, double(kIdle)));
}

} // namespace run::platform
