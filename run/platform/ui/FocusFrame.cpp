#include "run/platform/ui/FocusFrame.h"

#include "run/platform/ui/Scaling.h"

#include <algorithm>
#include <memory>
#include <string>

namespace run::platform {

PicturePtr FocusFramePicture(int widthTwips, int heightTwips, Pixel colour) {
    const int w = std::max(6, TwipsToPixels(widthTwips)), h = std::max(6, TwipsToPixels(heightTwips));
    auto p = std::make_shared<Picture>();
    p->image.reset(w, h, 0);
    p->image.fill({0, 0, w, h}, 0xFF000000);
    p->image.fill({1, 1, w - 2, h - 2}, colour);
    p->image.fill({4, 4, w - 8, h - 8}, 0);
    p->hasAlpha = true;
    return p;
}

void PlaceFocusFrame(Element& frame, const Element& over, Pixel colour, int pad) {
    frame.container = over.container;
    frame.left = over.left - pad;
    frame.top = over.top - pad;
    const int width = over.width + 2 * pad, height = over.height + 2 * pad;
    if (!frame.picture || frame.width != width || frame.height != height ||
        frame.tag != std::to_string(colour)) {
        frame.picture = FocusFramePicture(width, height, colour);
        frame.tag = std::to_string(colour);
    }
    frame.width = width;
    frame.height = height;
    frame.visible = true;
}

} // namespace run::platform
