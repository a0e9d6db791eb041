// libFuzzer target for opening videos: any bytes either fail to open with a reason or give
// pictures of a bounded size up to an end, with a rewind and a scaled size on the way.
#include "run/platform/media/VideoDecoder.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    auto video = run::platform::VideoDecoder::openMemory(
        std::string(reinterpret_cast<const char*>(data), size), error);
    if (!video) return 0;
    if (video->width() <= 0 || video->height() <= 0 ||
        video->width() > run::platform::VideoDecoder::kMaxSide ||
        video->height() > run::platform::VideoDecoder::kMaxSide)
        __builtin_trap();
    // A few seconds of pictures at most: a long file is cut short, not decoded whole.
    for (int i = 0; i < 80 && !video->ended(); ++i) {
        video->advanceTo(i * 0.04);
        if (i == 20) video->setOutputSize(33, 17);
        if (i == 40) video->rewind();
    }
    return 0;
}
