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

bool WindowToCanvas(const Rect& fit, int srcW, int srcH, int windowX, int windowY, int& canvasX,
                    int& canvasY) {
    if (fit.w <= 0 || fit.h <= 0 || !fit.contains(windowX, windowY)) return false;
    // The stretched picture samples the canvas at each window pixel's centre, so the mapping
    // must too: at scales that are not whole numbers, the pixel's corner can fall one canvas
    // pixel short of what is drawn there.
    canvasX = int((2 * std::int64_t(windowX - fit.x) + 1) * srcW / (2 * std::int64_t(fit.w)));
    canvasY = int((2 * std::int64_t(windowY - fit.y) + 1) * srcH / (2 * std::int64_t(fit.h)));
    if (canvasX >= srcW) canvasX = srcW - 1;
    if (canvasY >= srcH) canvasY = srcH - 1;
    return true;
}

} // namespace run::platform
