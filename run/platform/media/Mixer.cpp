#include "run/platform/media/Mixer.h"

#include <algorithm>
#include <cmath>

namespace run::platform {

double GainFromVolume(int hundredthsOfDecibel) {
    if (hundredthsOfDecibel <= -10000) return 0;
    return std::pow(10.0, std::min(hundredthsOfDecibel, 0) / 2000.0);
}

Mixer::State* Mixer::find(Voice voice) {
    for (State& s : m_voices)
        if (s.id == voice) return &s;
    return nullptr;
}

const Mixer::State* Mixer::find(Voice voice) const {
    for (const State& s : m_voices)
        if (s.id == voice) return &s;
    return nullptr;
}

void Mixer::freeEnded() {
    std::vector<std::unique_ptr<SoundSource>> ended;
    {
        std::lock_guard lock(m_lock);
        ended.swap(m_ended);
    }
}

Mixer::Voice Mixer::start(std::unique_ptr<SoundSource> sound, double gain, int playCount) {
    freeEnded();
    if (!sound) return 0;
    std::lock_guard lock(m_lock);
    const Voice id = m_next++;
    m_voices.push_back(State{id, std::move(sound), std::max(0.0, gain), 1.0, 1.0, std::max(0, playCount), 0});
    return id;
}

void Mixer::stop(Voice voice) {
    freeEnded();
    std::unique_ptr<SoundSource> gone; // freed after the lock, away from the device's pulls
    {
        std::lock_guard lock(m_lock);
        auto it =
            std::find_if(m_voices.begin(), m_voices.end(), [&](const State& s) { return s.id == voice; });
        if (it == m_voices.end()) return;
        gone = std::move(it->sound);
        m_voices.erase(it);
    }
}

void Mixer::setGain(Voice voice, double gain) {
    std::lock_guard lock(m_lock);
    if (State* s = find(voice)) s->gain = std::max(0.0, gain);
}

void Mixer::setBalance(Voice voice, int hundredthsOfDecibel) {
    std::lock_guard lock(m_lock);
    if (State* s = find(voice)) {
        s->left = hundredthsOfDecibel > 0 ? GainFromVolume(-hundredthsOfDecibel) : 1.0;
        s->right = hundredthsOfDecibel < 0 ? GainFromVolume(hundredthsOfDecibel) : 1.0;
    }
}

bool Mixer::playing(Voice voice) const {
    std::lock_guard lock(m_lock);
    return find(voice) != nullptr;
}

double Mixer::positionSeconds(Voice voice) const {
    std::lock_guard lock(m_lock);
    const State* s = find(voice);
    return s ? double(s->framesThisPass) / SoundSource::kRate : 0;
}

void Mixer::pull(float* out, std::size_t frames) {
    const std::size_t n = frames * SoundSource::kChannels;
    std::fill(out, out + n, 0.0f);
    m_framesPulled += frames;
    std::lock_guard lock(m_lock);
    if (m_scratch.size() < n) m_scratch.resize(n);
    for (State& s : m_voices) {
        std::size_t done = 0;
        while (done < frames && s.sound) {
            const std::size_t got =
                s.sound->read(m_scratch.data() + done * SoundSource::kChannels, frames - done);
            s.framesThisPass += got;
            done += got;
            if (done == frames) break;
            // The pass ended: again for a loop (a sound that gives nothing at all stops, so an
            // empty file cannot spin here), else the voice is done.
            const bool again =
                (s.playsLeft == 0 || s.playsLeft > 1) && s.framesThisPass > 0 && s.sound->rewind();
            if (!again) {
                // A large tune takes milliseconds to free: the game's thread does it.
                m_ended.push_back(std::move(s.sound));
                break;
            }
            if (s.playsLeft > 1) --s.playsLeft;
            s.framesThisPass = 0;
        }
        const float left = static_cast<float>(s.gain * s.left), right = static_cast<float>(s.gain * s.right);
        for (std::size_t i = 0; i < done * SoundSource::kChannels; i += 2) {
            out[i] += m_scratch[i] * left;
            out[i + 1] += m_scratch[i + 1] * right;
        }
    }
    std::erase_if(m_voices, [](const State& s) { return !s.sound; });
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
        sum += double(out[i]) * out[i];
    }
    m_lastLevel = n ? std::sqrt(sum / double(n)) : 0;
}

double Mixer::lastLevel() const {
    std::lock_guard lock(m_lock);
    return m_lastLevel;
}

} // namespace run::platform
