// Playing without the mouse (see KeyboardPlay.h).
#include "run/frames/KeyboardPlay.h"

#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/frames/Inventory.h"
#include "run/platform/ui/FocusFrame.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Keys.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include <algorithm>
#include <functional>

namespace run {

using platform::Element;

namespace {

constexpr platform::Pixel kHighlight = 0xFFFFD200, kHolding = 0xFF40E0FF, kOutline = 0xFFFFFFFF;
constexpr int kLetterI = platform::kKeyA + ('I' - 'A');

} // namespace

void KeyboardPlay::build() {
    for (const char* name : {"KeyHighlight", "KeyOutline"}) {
        Element& e = m_form.addElement(platform::ElementKind::Image, name, name[3] == 'O' ? 0 : -1);
        e.visible = false;
        e.passesPointer = true;
        e.stretch = true;
    }
}

Element* KeyboardPlay::elementOf(const Target& t) const {
    if (t.item) return m_form.find("PickedObject", t.index);
    Element* area = m_form.find("Area", t.index);
    // An animated hotspot shows as the box of its animation.
    if (area && area->whatsThisHelpID > 0)
        if (Element* box = m_form.find("AniGifBox", area->whatsThisHelpID)) return box;
    return area;
}

std::vector<KeyboardPlay::Target> KeyboardPlay::targets() const {
    std::vector<Target> spots;
    for (const Element* a : m_form.arrayMembers("Area")) {
        if (a->index <= 0) continue;
        const Element* shown = elementOf({false, a->index});
        if (shown && shown->effectivelyVisible()) spots.push_back({false, a->index});
    }
    // Reading order: top to bottom, then left to right.
    std::stable_sort(spots.begin(), spots.end(), [this](const Target& x, const Target& y) {
        const platform::Rect a = platform::ElementRectOnForm(*elementOf(x)),
                             b = platform::ElementRectOnForm(*elementOf(y));
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    if (m_game.inventory().panelOpen()) {
        for (const Element* item : m_form.arrayMembers("PickedObject"))
            if (item->index > 0 && item->effectivelyVisible()) spots.push_back({true, item->index});
    }
    return spots;
}

void KeyboardPlay::showHighlight() {
    Element& highlight = m_form.get("KeyHighlight");
    Element* over = m_current ? elementOf(*m_current) : nullptr;
    if (!over) {
        highlight.visible = false;
        m_current.reset();
    } else {
        platform::PlaceFocusFrame(highlight, *over, m_held ? kHolding : kHighlight);
        m_form.zOrder(highlight, 0);
    }
    m_project.ui.invalidate();
}

void KeyboardPlay::move(int step) {
    const std::vector<Target> all = targets();
    if (all.empty()) {
        m_current.reset();
        showHighlight();
        return;
    }
    const auto at = m_current ? std::find(all.begin(), all.end(), *m_current) : all.end();
    const int n = static_cast<int>(all.size());
    int next = 0;
    if (at == all.end())
        next = step > 0 ? 0 : n - 1;
    else
        next = ((static_cast<int>(at - all.begin()) + step) % n + n) % n;
    m_current = all[static_cast<std::size_t>(next)];
    showHighlight();
}

void KeyboardPlay::activate() {
    Element* e = elementOf(*m_current);
    if (!e) return;
    const Target t = *m_current;
    const platform::Rect r = platform::ElementRectOnForm(*e);
    const int x = r.x + r.w / 2, y = r.y + r.h / 2;
    if (t.item && m_held == 0) {
        m_held = t.index; // taken: the next Enter uses it
        showHighlight();
        return;
    }
    if (m_held != 0) {
        const int held = m_held;
        m_held = 0;
        if (t.item && t.index == held) {
            showHighlight(); // put back
            return;
        }
        m_game.inventory().DropItem(held, *e, x, y);
    } else {
        // The press a mouse would make in the middle of the hotspot, through the same handlers.
        platform::MouseArgs a;
        a.button = platform::kLeftButton;
        a.x = platform::PixelsToTwips(r.w / 2);
        a.y = platform::PixelsToTwips(r.h / 2);
        const std::function<void(const platform::MouseArgs&)> down = e->onMouseDown, up = e->onMouseUp;
        if (down) down(a);
        if (up) up(a);
    }
    // What the action did (a new frame, a hotspot gone) decides what is highlighted now.
    if (m_current && !elementOf(*m_current)) m_current.reset();
    if (m_project.ui.isLoaded(m_form)) showHighlight();
}

void KeyboardPlay::outline(bool on) {
    for (Element* e : m_form.arrayMembers("KeyOutline"))
        if (e->index > 0) m_form.unloadArrayMember("KeyOutline", e->index);
    m_outlined = on;
    if (on) {
        int k = 0;
        for (const Target& t : targets()) {
            if (t.item) continue;
            Element& frame = m_form.loadArrayMember("KeyOutline", ++k);
            platform::PlaceFocusFrame(frame, *elementOf(t), kOutline);
            m_form.zOrder(frame, 0);
        }
    }
    m_project.ui.invalidate();
}

void KeyboardPlay::reset() {
    m_current.reset();
    m_held = 0;
    if (Element* highlight = m_form.find("KeyHighlight")) highlight->visible = false;
    if (m_outlined) outline(false);
}

bool KeyboardPlay::onKeyDown(int keyCode, int shift) {
    if (!m_flags.keyboardPlay || !m_form.enabled) return false;
    if (shift & (platform::kCtrlMask | platform::kAltMask)) return false;
    switch (keyCode) {
    case platform::kKeyTab:
        move(shift & platform::kShiftMask ? -1 : 1);
        return true;
    case platform::kKeyReturn:
        if (!m_current) return false;
        activate();
        return true;
    case kLetterI:
        if (!m_project.info.InventoryEnabled) return false;
        m_game.inventory().TogglePanel();
        // Items leave Tab's round when the panel closes.
        if (m_current && m_current->item && !m_game.inventory().panelOpen()) m_current.reset();
        showHighlight();
        return true;
    case platform::kKeyF1:
        if (!m_outlined) outline(true);
        return true;
    default:
        return false;
    }
}

bool KeyboardPlay::onKeyUp(int keyCode, int) {
    if (keyCode != platform::kKeyF1 || !m_outlined) return false;
    outline(false);
    return true;
}

std::string KeyboardPlay::highlighted() const {
    if (!m_current) return {};
    if (m_current->item)
        return "item " + std::to_string(m_current->index) + " = " +
               m_game.inventory().itemName(m_current->index);
    return "hotspot " + std::to_string(m_current->index);
}

std::string KeyboardPlay::holding() const {
    return m_held ? "item " + std::to_string(m_held) + " = " + m_game.inventory().itemName(m_held)
                  : std::string();
}

} // namespace run
