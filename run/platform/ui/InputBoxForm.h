// The input box as the player draws it: the title in the title bar, the prompt with OK and
// Cancel beside it, and a text box below holding the default text, which takes the keys first.
#pragma once

#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/BoxForm.h"
#include "run/platform/ui/Dialogs.h"

#include <optional>
#include <string>

namespace run::platform {

class InputBoxForm : public BoxForm {
  public:
    InputBoxForm(const InputBoxRequest& request, FontCatalog& fonts);
    // The text typed, once OK was pressed; nothing while open or when cancelled.
    std::optional<std::string> text() const;

  protected:
    void otherKey(int keyCode) override;

  private:
    void typed(const std::string& utf8);
    Element* m_textBox = nullptr;
};

} // namespace run::platform
