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

void PlaceFocusFrame(Element& frame, const Element& over, Pixel colour) {
    frame.container = over.container;
    frame.left = over.left;
    frame.top = over.top;
    if (!frame.picture || frame.width != over.width || frame.height != over.height ||
        frame.tag != std::to_string(colour)) {
        frame.picture = FocusFramePicture(over.width, over.height, colour);
        frame.tag = std::to_string(colour);
    }
    frame.width = over.width;
    frame.height = over.height;
    frame.visible = true;
}

} // namespace run::platform
