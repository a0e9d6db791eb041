// The tooltip: once the pointer has rested on an element that has a tooltip text, the text is
// shown in a small box beside the pointer until the pointer leaves the element or a button goes
// down. Drawn into the form's canvas, so both backends show the same pixels.
#pragma once

#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/Form.h"

#include <cstdint>
#include <optional>
#include <string>

namespace run::platform {

class ToolTip {
  public:
    // How long the pointer rests before the text shows, as on the classic desktop.
    static constexpr std::uint64_t kDelayMs = 500;

    // The pointer moved to (x, y) pixels of the form, over `over` (null: no element).
    void pointerMoved(const Form& form, const Element* over, int x, int y, std::uint64_t now);
    // A button went down or the form went away: nothing shows until the pointer rests again.
    void hide();
    void forget(const Form& form);
    // Shows the text when its time has come; true when that changed what is painted.
    bool update(std::uint64_t now);
    // Milliseconds until the text is due to show; `cap` when nothing is waiting.
    std::uint64_t dueIn(std::uint64_t now, std::uint64_t cap) const;
    // The text shown on a form now, if any.
    std::optional<std::string> shownOn(const Form& form) const;
    void paint(const Form& form, Canvas& canvas, FontCatalog& fonts) const;

  private:
    // The element's text, when it is still loaded and visible.
    std::optional<std::string> textNow() const;

    const Form* m_form = nullptr;
    std::string m_name;
    int m_index = -1;
    int m_x = 0, m_y = 0;
    std::uint64_t m_restingSince = 0;
    bool m_shown = false;
};

} // namespace run::platform
