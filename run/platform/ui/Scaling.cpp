// Aspect-preserving fit and its inverse mapping, in integer arithmetic so that every window
// point maps to the canvas pixel drawn under it.
#include "run/platform/ui/Scaling.h"

#include <cstdint>

namespace run::platform {

Rect FitPreservingAspect(int srcW, int srcH, int dstW, int dstH) {
    if (srcW <= 0 || srcH <= 0 || dstW <= 0 || dstH <= 0) return {0, 0, 0, 0};
    // Compare dstW/srcW with dstH/srcH without rounding.
    std::int64_t w, h;
    if (std::int64_t(dstW) * srcH <= std::int64_t(dstH) * srcW) {
        w = dstW;
        h = std::int64_t(srcH) * dstW / srcW;
    } else {
        h = dstH;
        w = std::int64_t(srcW) * dstH / srcH;
    }
    return {int((dstW - w) / 2), int((dstH - h) / 2), int(w), int(h)};
}

bool WindowToCanvas(const Rect& fit, int srcW, int srcH, int windowX, int windowY, int& canvasX, int& canvasY) {
    if (fit.w <= 0 || fit.h <= 0 || !fit.contains(windowX, windowY)) return false;
    canvasX = int(std::int64_t(windowX - fit.x) * srcW / fit.w);
    canvasY = int(std::int64_t(windowY - fit.y) * srcH / fit.h);
    if (canvasX >= srcW) canvasX = srcW - 1;
    if (canvasY >= srcH) canvasY = srcH - 1;
    return true;
}

} // namespace run::platform
