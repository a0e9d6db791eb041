// Animated pictures: the pictures of an animated GIF file, each composed on the file's canvas as
// it is shown (transparency and the disposal methods applied), with the file's own delays.
// Another picture format loads as an animation of one picture.
#pragma once

#include "run/platform/graphics/Picture.h"

#include <memory>
#include <string>
#include <vector>

namespace run::platform {

struct AnimatedPicture {
    std::vector<PicturePtr> pictures; // never empty
    std::vector<int> delaysMs;        // the file's own, one per picture (0 when it gives none)
    int width() const { return pictures.front()->width(); }
    int height() const { return pictures.front()->height(); }
};

using AnimatedPicturePtr = std::shared_ptr<const AnimatedPicture>;

struct AnimatedPictureResult {
    AnimatedPicturePtr animation; // null on failure
    std::string error;
    bool shortened = false; // only the first pictures were kept: all would take too much memory
};

// Every picture of an animation together takes at most this many pixels; a longer one keeps
// its first pictures.
constexpr long long kMaxAnimationPixels = 32LL * 1024 * 1024;

// Decodes a picture file from a real (already resolved) path; never throws.
AnimatedPictureResult LoadAnimatedPictureFile(const std::string& path);
AnimatedPictureResult LoadAnimatedPictureMemory(const void* data, std::size_t size);

} // namespace run::platform
