// The headless backend's audio device: it pulls the mixer in 10 ms blocks as the virtual clock
// advances and keeps the level of each block, so tests measure what a player would hear.
#pragma once

#include "run/platform/media/AudioOutput.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace run::platform {

class HeadlessAudioOutput : public IAudioOutput {
  public:
    static constexpr int kBlockMs = 10;

    bool open(Pull pull, std::string& error) override;
    void pause(bool paused) override { m_paused = paused; }
    void close() override { m_pull = nullptr; }

    // Pulls every block due by `nowMs` (blocks of a paused or closed device are silence).
    void advanceTo(std::uint64_t nowMs);
    // The root-mean-square level of what was put out over [fromMs, toMs): 1 is a full-scale
    // square wave, 0 silence. Only the last ten minutes are kept.
    double levelOver(std::uint64_t fromMs, std::uint64_t toMs) const;
    // The RMS level of each block from `fromMs` to `toMs`, in order.
    std::vector<double> blockLevels(std::uint64_t fromMs, std::uint64_t toMs) const;

  private:
    struct Block {
        std::uint64_t startMs = 0;
        double sumOfSquares = 0;
        std::size_t samples = 0;
    };
    Pull m_pull;
    bool m_paused = false;
    std::uint64_t m_nextBlockMs = 0;
    std::deque<Block> m_blocks;
    std::vector<float> m_buffer;
};

} // namespace run::platform
