// The icons of the message box styles (critical, question, exclamation, information), drawn
// by the player as 32×32 pictures with soft edges.
#pragma once

#include "run/platform/graphics/Fonts.h"
#include "run/platform/graphics/Picture.h"

namespace run::platform {

constexpr int kBoxIconSize = 32; // pixels

// The icon of a message box style; null when the style shows none.
PicturePtr MessageBoxIconPicture(int style, FontCatalog& fonts);

} // namespace run::platform
