// libFuzzer target for the sound decoder wrapper: any bytes either fail to open or decode to
// an end, with a rewind in the middle, never past the buffers it hands out.
#include "run/platform/media/AudioDecoder.h"

#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    auto decoder = run::platform::AudioDecoder::openMemory(
        std::string(reinterpret_cast<const char*>(data), size), error);
    if (!decoder) return 0;
    std::vector<float> buffer(2 * 4096);
    // Enough for a few seconds of sound: a huge file is cut short, not decoded whole.
    for (int i = 0; i < 64 && decoder->read(buffer.data(), 4096) == 4096; ++i) {
        if (i == 8) decoder->rewind();
    }
    return 0;
}
