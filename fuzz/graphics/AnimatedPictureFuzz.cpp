// libFuzzer target for animated pictures: any bytes either fail with a reason or give at least
// one picture, every one of the canvas's size, within the memory allowance.
#include "run/platform/graphics/AnimatedPicture.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const run::platform::AnimatedPictureResult r = run::platform::LoadAnimatedPictureMemory(data, size);
    if (!r.animation) return 0;
    const auto& a = *r.animation;
    if (a.pictures.empty() || a.pictures.size() != a.delaysMs.size()) __builtin_trap();
    long long pixels = 0;
    for (const auto& p : a.pictures) {
        if (p->width() != a.width() || p->height() != a.height()) __builtin_trap();
        pixels += static_cast<long long>(p->width()) * p->height();
    }
    if (a.pictures.size() > 1 && pixels > run::platform::kMaxAnimationPixels) __builtin_trap();
    return 0;
}
