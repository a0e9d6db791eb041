#include "run/platform/headless/HeadlessAudio.h"

#include <cmath>

namespace run::platform {

namespace {
constexpr std::size_t kFramesPerBlock = 441;       // 10 ms at 44.1 kHz
constexpr std::size_t kBlocksKept = 60 * 100 * 10; // ten minutes
} // namespace

bool HeadlessAudioOutput::open(Pull pull, std::string&) {
    m_pull = std::move(pull);
    return true;
}

void HeadlessAudioOutput::advanceTo(std::uint64_t nowMs) {
    while (m_nextBlockMs + kBlockMs <= nowMs) {
        Block b{m_nextBlockMs, 0, 0};
        if (m_pull && !m_paused) {
            m_buffer.assign(kFramesPerBlock * 2, 0.0f);
            m_pull(m_buffer.data(), kFramesPerBlock);
            for (float v : m_buffer)
                b.sumOfSquares += double(v) * v;
            b.samples = m_buffer.size();
        }
        m_blocks.push_back(b);
        if (m_blocks.size() > kBlocksKept) m_blocks.pop_front();
        m_nextBlockMs += kBlockMs;
    }
}

double HeadlessAudioOutput::levelOver(std::uint64_t fromMs, std::uint64_t toMs) const {
    double sum = 0;
    std::size_t samples = 0, silentBlocks = 0;
    for (const Block& b : m_blocks) {
        if (b.startMs < fromMs || b.startMs >= toMs) continue;
        sum += b.sumOfSquares;
        samples += b.samples;
        if (!b.samples) ++silentBlocks;
    }
    samples += silentBlocks * kFramesPerBlock * 2;
    return samples ? std::sqrt(sum / double(samples)) : 0;
}

std::vector<double> HeadlessAudioOutput::blockLevels(std::uint64_t fromMs, std::uint64_t toMs) const {
    std::vector<double> levels;
    for (const Block& b : m_blocks)
        if (b.startMs >= fromMs && b.startMs < toMs)
            levels.push_back(b.samples ? std::sqrt(b.sumOfSquares / double(b.samples)) : 0);
    return levels;
}

} // namespace run::platform
