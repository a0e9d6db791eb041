#include "run/platform/sdl/SdlAudio.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <chrono>
#include <vector>

namespace run::platform {

namespace {

// ALSA writes its own lines to the terminal when a machine has no sound card; the player says
// so itself, once.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

} // namespace

bool SdlAudioOutput::open(Pull pull, std::string& error) {
    close();
    snd_lib_error_set_handler(&quietAlsa);
    m_pull = std::move(pull);
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        SDL_AudioSpec want{};
        want.freq = 44100;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        // 512 frames (11.6 ms) keeps the start of a sound well under 30 ms after its request.
        want.samples = 512;
        want.callback = &SdlAudioOutput::callback;
        want.userdata = this;
        SDL_AudioSpec got{};
        m_device = SDL_OpenAudioDevice(nullptr, 0, &want, &got, 0);
        if (m_device != 0) {
            SDL_PauseAudioDevice(m_device, m_paused ? 1 : 0);
            return true;
        }
        error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    } else {
        error = SDL_GetError();
    }
    m_stopSilent = false;
    m_silent = std::thread([this] { silentLoop(); });
    return false;
}

void SdlAudioOutput::callback(void* self, std::uint8_t* stream, int bytes) {
    auto* out = static_cast<SdlAudioOutput*>(self);
    auto* samples = reinterpret_cast<float*>(stream);
    const std::size_t frames = static_cast<std::size_t>(bytes) / (2 * sizeof(float));
    if (out->m_pull)
        out->m_pull(samples, frames);
    else
        SDL_memset(stream, 0, static_cast<std::size_t>(bytes));
}

void SdlAudioOutput::silentLoop() {
    using Clock = std::chrono::steady_clock;
    constexpr std::size_t kFrames = 441; // 10 ms
    std::vector<float> buffer(kFrames * 2);
    auto next = Clock::now();
    while (!m_stopSilent) {
        next += std::chrono::milliseconds(10);
        std::this_thread::sleep_until(next);
        if (!m_paused) m_pull(buffer.data(), kFrames);
    }
}

void SdlAudioOutput::pause(bool paused) {
    m_paused = paused;
    if (m_device) SDL_PauseAudioDevice(m_device, paused ? 1 : 0);
}

void SdlAudioOutput::close() {
    if (m_device) {
        SDL_CloseAudioDevice(m_device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_device = 0;
    }
    if (m_silent.joinable()) {
        m_stopSilent = true;
        m_silent.join();
    }
    m_pull = nullptr;
}

} // namespace run::platform
