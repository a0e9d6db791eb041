#include "run/platform/ui/ToolTip.h"

#include <algorithm>

namespace run::platform {

namespace {

const FontSpec kFont{"MS Sans Serif", 8.25};
constexpr int kPad = 3;

} // namespace

void ToolTip::pointerMoved(const Form& form, const Element* over, int x, int y, std::uint64_t now) {
    const bool same = m_form == &form && over && over->name == m_name && over->index == m_index;
    m_x = x;
    m_y = y;
    // Moving within the element keeps a shown text; before it shows, only rest counts.
    if (same && m_shown) return;
    m_form = over ? &form : nullptr;
    m_name = over ? over->name : std::string();
    m_index = over ? over->index : -1;
    m_restingSince = now;
    m_shown = false;
}

void ToolTip::hide() {
    m_form = nullptr;
    m_shown = false;
}

void ToolTip::forget(const Form& form) {
    if (m_form == &form) hide();
}

std::optional<std::string> ToolTip::textNow() const {
    if (!m_form) return std::nullopt;
    const Element* e = m_form->find(m_name, m_index);
    if (!e || !e->effectivelyVisible() || e->toolTipText.empty()) return std::nullopt;
    return e->toolTipText;
}

bool ToolTip::update(std::uint64_t now) {
    if (!m_form) return false;
    const bool show = (m_shown || now - m_restingSince >= kDelayMs) && textNow().has_value();
    const bool changed = show != m_shown;
    m_shown = show;
    return changed;
}

std::uint64_t ToolTip::dueIn(std::uint64_t now, std::uint64_t cap) const {
    if (!m_form || m_shown || !textNow()) return cap;
    const std::uint64_t due = m_restingSince + kDelayMs;
    return std::min(cap, due > now ? due - now : 0);
}

std::optional<std::string> ToolTip::shownOn(const Form& form) const {
    if (!m_shown || m_form != &form) return std::nullopt;
    return textNow();
}

void ToolTip::paint(const Form& form, Canvas& canvas, FontCatalog& fonts) const {
    auto text = shownOn(form);
    if (!text) return;
    TextExtent size = fonts.measure(kFont, *text);
    Rect box{m_x, m_y + 20, size.width + 2 * kPad, size.height + 2 * kPad};
    // Kept on the form: moved left or above the pointer near the right and bottom edges.
    if (box.x + box.w > canvas.width()) box.x = std::max(0, canvas.width() - box.w);
    if (box.y + box.h > canvas.height()) box.y = std::max(0, m_y - box.h - 2);
    canvas.fill(box, 0xFFFFFFE1);
    canvas.frame(box, 0xFF000000);
    fonts.draw(canvas, kFont, *text, box.x + kPad, box.y + kPad, 0xFF000000, box);
}

} // namespace run::platform
