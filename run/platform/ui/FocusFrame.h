// The frame that shows which element the keys reach: a dark edge outside a bright band,
// see-through within, so it shows on light and dark pictures alike.
#pragma once

#include "run/platform/ui/Element.h"

namespace run::platform {

// A picture of the frame for an element of that size in twips.
PicturePtr FocusFramePicture(int widthTwips, int heightTwips, Pixel colour);

// `frame` (an Image that passes the pointer) takes its place over `over`, in its container,
// drawn in `colour`, and shows; `pad` twips larger on every side, so that it stands around a
// text rather than over its letters. The picture is made again only when the size or colour change.
void PlaceFocusFrame(Element& frame, const Element& over, Pixel colour, int pad = 0);

} // namespace run::platform
