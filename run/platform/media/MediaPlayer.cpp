#include "run/platform/media/MediaPlayer.h"

#include "run/platform/media/AudioDecoder.h"
#include "run/platform/media/MidiSource.h"

#include <fstream>
#include <stdexcept>

namespace run::platform {

std::unique_ptr<SoundSource> OpenSoundFile(const std::string& path, std::string& error) {
    char head[4] = {};
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            error = "The file cannot be opened: " + path;
            return nullptr;
        }
        in.read(head, sizeof head);
    }
    if (std::string(head, sizeof head) == "MThd") return MidiSource::open(path, error);
    return AudioDecoder::open(path, error);
}

void MediaPlayer::setFileName(const std::string& path) {
    Stop();
    m_loaded.reset();
    m_fileName.clear();
    if (path.empty()) return;
    std::string error;
    m_loaded = OpenSoundFile(path, error);
    if (!m_loaded) throw std::runtime_error(error);
    m_fileName = path;
}

void MediaPlayer::setVolume(int hundredthsOfDecibel) {
    m_volume = hundredthsOfDecibel;
    if (m_voice) m_mixer.setGain(m_voice, GainFromVolume(m_volume));
}

void MediaPlayer::setBalance(int hundredthsOfDecibel) {
    m_balance = hundredthsOfDecibel;
    if (m_voice) m_mixer.setBalance(m_voice, m_balance);
}

int MediaPlayer::PlayState() const {
    return m_voice && m_mixer.playing(m_voice) ? kPlaying : kStopped;
}

bool MediaPlayer::ReachedEnd() const {
    return m_voice && !m_mixer.playing(m_voice);
}

void MediaPlayer::Play() {
    if (m_fileName.empty()) throw std::runtime_error("No file is loaded in the media player.");
    Stop();
    if (!m_loaded) {
        // The last play used the opened file up; playing again reads it anew.
        std::string error;
        m_loaded = OpenSoundFile(m_fileName, error);
        if (!m_loaded) throw std::runtime_error(error);
    }
    m_voice = m_mixer.start(std::move(m_loaded), GainFromVolume(m_volume), m_playCount);
    if (m_balance != 0) m_mixer.setBalance(m_voice, m_balance);
}

void MediaPlayer::Stop() {
    if (m_voice) m_mixer.stop(m_voice);
    m_voice = 0;
}

double MediaPlayer::CurrentPosition() const {
    return m_voice ? m_mixer.positionSeconds(m_voice) : 0;
}

} // namespace run::platform
