// libFuzzer target for metafile pictures: any bytes give a picture or an error, within the
// picture size limit and the drawing's work budget, never a read outside the records.
#include "run/platform/graphics/Picture.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto result = run::platform::LoadPictureMemory(data, size);
    if (result.picture && result.picture->image.empty()) __builtin_trap();
    return 0;
}
