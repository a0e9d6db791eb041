// libFuzzer target for MIDI tunes: any bytes either fail to open or play to an end, with a rewind
// in the middle, never past the buffers they fill. Reads of 1,000 frames cross the synthesizer's
// 64-frame blocks at changing points.
#include "run/platform/media/MidiSource.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    auto tune =
        run::platform::MidiSource::openMemory(std::string(reinterpret_cast<const char*>(data), size), error);
    if (!tune) return 0;
    std::vector<float> buffer(2 * 1000);
    // About a second of sound: a long tune is cut short, not played whole.
    for (int i = 0; i < 48 && tune->read(buffer.data(), 1000) == 1000; ++i) {
        if (i == 8) tune->rewind();
    }
    return 0;
}
