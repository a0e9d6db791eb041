// The SDL backend's audio device: SDL's own thread pulls the mixer. Without a sound card the
// player runs silent: a thread of ours pulls in real time and drops the sound, so players still
// end when they would have.
#pragma once

#include "run/platform/media/AudioOutput.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>

namespace run::platform {

class SdlAudioOutput : public IAudioOutput {
  public:
    ~SdlAudioOutput() override { close(); }
    bool open(Pull pull, std::string& error) override;
    void pause(bool paused) override;
    void close() override;

  private:
    static void callback(void* self, std::uint8_t* stream, int bytes);
    void silentLoop();

    Pull m_pull;
    std::uint32_t m_device = 0;
    std::thread m_silent;
    std::atomic<bool> m_stopSilent{false};
    std::atomic<bool> m_paused{false};
};

} // namespace run::platform
