// The message box as the player draws it: the title in the title bar, the style's icon, the text
// wrapped beside it, and the style's buttons centred below, the default one focused.
#pragma once

#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/BoxForm.h"
#include "run/platform/ui/Dialogs.h"

namespace run::platform {

class MessageBoxForm : public BoxForm {
  public:
    MessageBoxForm(const MessageBoxRequest& request, FontCatalog& fonts);
};

// Text wider than this wraps (pixels).
constexpr int kMessageBoxTextWidth = 420;

} // namespace run::platform
