// Painting and hit-testing of menu bars and their drop-down lists.
#include "run/platform/ui/MenuBar.h"

#include <algorithm>

namespace run::platform {

namespace {

constexpr int kItemHeight = 20;
constexpr int kCaptionPad = 8;
constexpr Pixel kBarColor = 0xFFD4D0C8;
constexpr Pixel kHighlight = 0xFF0A246A;

// Captions mark their access key with '&'; the mark is not shown.
std::string shown(const std::string& caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            if (caption[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += caption[i];
    }
    return out;
}

int borderOf(const Form& f) {
    return TwipsToPixels(f.borderTwips);
}

// The bar lies below the title bar, if the form has one.
int barTop(const Form& f) {
    return TwipsToPixels(f.insideTop());
}

} // namespace

bool MenuBar::visible(const Form& form) {
    return !topLevel(form).empty();
}

std::vector<Element*> MenuBar::topLevel(const Form& form) {
    std::vector<Element*> out;
    for (const auto& e : form.elements()) {
        if (e->kind == ElementKind::Menu && e->container == nullptr && e->visible) out.push_back(e.get());
    }
    return out;
}

std::vector<Element*> MenuBar::items(const Form& form, const Element* menu) {
    std::vector<Element*> out;
    for (const auto& e : form.elements()) {
        if (e->kind == ElementKind::Menu && e->container == menu && e->visible) out.push_back(e.get());
    }
    return out;
}

Rect MenuBar::captionRect(const Form& form, const Element* menu) {
    int x = borderOf(form);
    for (Element* m : topLevel(form)) {
        int w = m_fonts.measure(m_font, shown(m->caption)).width + 2 * kCaptionPad;
        if (m == menu) return {x, barTop(form), w, kMenuBarHeight};
        x += w;
    }
    return {};
}

Rect MenuBar::listRect(const Form& form, const Element* menu) {
    Rect cap = captionRect(form, menu);
    int width = 120;
    auto list = items(form, menu);
    for (Element* item : list)
        width = std::max(width, m_fonts.measure(m_font, shown(item->caption)).width + 40);
    return {cap.x, cap.y + cap.h, width, static_cast<int>(list.size()) * kItemHeight + 4};
}

void MenuBar::paint(const Form& form, const MenuState& state, Canvas& canvas) {
    if (!visible(form)) return;
    int b = borderOf(form);
    canvas.fill({b, barTop(form), canvas.width() - 2 * b, kMenuBarHeight}, kBarColor);
    int lh = m_fonts.lineHeight(m_font);
    for (Element* m : topLevel(form)) {
        Rect r = captionRect(form, m);
        bool open = state.open == m;
        if (open) canvas.fill(r, kHighlight);
        Pixel ink = !m->enabled ? 0xFF808080 : open ? 0xFFFFFFFF : 0xFF000000;
        m_fonts.draw(canvas, m_font, shown(m->caption), r.x + kCaptionPad, r.y + (r.h - lh) / 2, ink, r);
    }
    if (!state.open) return;
    Rect list = listRect(form, state.open);
    canvas.fill(list, kBarColor);
    canvas.frame(list, 0xFF404040);
    auto entries = items(form, state.open);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Element* item = entries[i];
        Rect row{list.x + 2, list.y + 2 + static_cast<int>(i) * kItemHeight, list.w - 4, kItemHeight};
        bool lit = state.highlighted == static_cast<int>(i) && item->enabled;
        if (lit) canvas.fill(row, kHighlight);
        Pixel ink = !item->enabled ? 0xFF808080 : lit ? 0xFFFFFFFF : 0xFF000000;
        if (item->value)
            m_fonts.draw(canvas, m_font, "\xE2\x9C\x93", row.x + 4, row.y + (row.h - lh) / 2, ink, row);
        m_fonts.draw(canvas, m_font, shown(item->caption), row.x + 20, row.y + (row.h - lh) / 2, ink, row);
    }
}

MenuBar::Hit MenuBar::hitTest(const Form& form, const MenuState& state, int x, int y) {
    Hit hit;
    if (!visible(form)) return hit;
    int b = barTop(form);
    if (y >= b && y < b + kMenuBarHeight) {
        hit.onBar = true;
        for (Element* m : topLevel(form)) {
            if (captionRect(form, m).contains(x, y)) hit.topLevel = m;
        }
        return hit;
    }
    if (state.open) {
        Rect list = listRect(form, state.open);
        if (list.contains(x, y)) {
            hit.inList = true;
            int i = (y - list.y - 2) / kItemHeight;
            auto entries = items(form, state.open);
            if (i >= 0 && i < static_cast<int>(entries.size()))
                hit.item = entries[static_cast<std::size_t>(i)];
        }
    }
    return hit;
}

} // namespace run::platform
