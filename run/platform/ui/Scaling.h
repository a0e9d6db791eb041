// Showing a canvas in a window of another size: the largest aspect-preserving rectangle,
// centred with bars on the sides, and the exact mapping of window points back to canvas pixels.
#pragma once

#include "run/platform/graphics/Canvas.h"

namespace run::platform {

// Where a srcW×srcH canvas is drawn inside a dstW×dstH window.
Rect FitPreservingAspect(int srcW, int srcH, int dstW, int dstH);
// The canvas pixel under a window point; false when the point lies on the bars.
bool WindowToCanvas(const Rect& fit, int srcW, int srcH, int windowX, int windowY, int& canvasX,
                    int& canvasY);

} // namespace run::platform
