// Where the mixed sound goes: an audio device that pulls 44,100 Hz stereo float frames from the
// mixer on a thread (or clock) of its own. The SDL backend opens the sound card; the headless
// backend pulls on its virtual clock so tests hear what a player would.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace run::platform {

class IAudioOutput {
  public:
    // Called with a buffer of `frames` stereo frames to fill; it must not block for long.
    using Pull = std::function<void(float* out, std::size_t frames)>;

    virtual ~IAudioOutput() = default;
    // Starts pulling. False, with the reason, when there is no device: time still runs on, the
    // sound is pulled and dropped, so players end when they would have.
    virtual bool open(Pull pull, std::string& error) = 0;
    // A paused device pulls nothing: what plays waits where it is.
    virtual void pause(bool paused) = 0;
    // Stops pulling; `pull` is not called after this returns.
    virtual void close() = 0;
};

} // namespace run::platform
