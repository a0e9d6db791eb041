// Focus, keys and answers of the player's boxes.
#include "run/platform/ui/BoxForm.h"

#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/Keys.h"

#include <cctype>

namespace run::platform {

namespace {
constexpr int kBoxBorder = 3; // pixels

std::string folded(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}
} // namespace

BoxForm::BoxForm(std::string name) : Form(std::move(name)) {
    borderTwips = PixelsToTwips(kBoxBorder);
    titleBarTwips = PixelsToTwips(kTitleBarHeight);
    topmost = true;
    onKeyDown = [this](int keyCode, int shift) { keyDown(keyCode, shift); };
}

void BoxForm::answerWith(int result) {
    if (m_answer == 0) m_answer = result;
}

bool BoxForm::press(const std::string& caption) {
    const std::string wanted = folded(caption);
    for (const Stop& s : m_stops) {
        if (!s.element->pushButton || folded(s.element->caption) != wanted) continue;
        if (s.element->onClick) s.element->onClick();
        return true;
    }
    return false;
}

Element& BoxForm::addButton(const std::string& caption, int result) {
    Element& b = addElement(ElementKind::Label, "cmdButton", static_cast<int>(m_stops.size()));
    b.caption = caption;
    b.pushButton = true;
    b.backColor = backColor;
    b.width = PixelsToTwips(kBoxButtonWidth);
    b.height = PixelsToTwips(kBoxButtonHeight);
    b.onMouseDown = [this, stop = m_stops.size()](const MouseArgs&) { focus(stop); };
    b.onClick = [this, result] { answerWith(result); };
    addFocusStop(b, result);
    return b;
}

void BoxForm::addFocusStop(Element& e, int enterResult) {
    m_stops.push_back({&e, enterResult});
    if (m_stops.size() == 1) e.hasFocus = true;
}

void BoxForm::focus(std::size_t stop) {
    if (stop >= m_stops.size()) return;
    m_stops[m_focus].element->hasFocus = false;
    m_focus = stop;
    m_stops[m_focus].element->hasFocus = true;
}

void BoxForm::setInsideSize(int widthPixels, int heightPixels) {
    width = PixelsToTwips(widthPixels) + 2 * borderTwips;
    height = PixelsToTwips(heightPixels) + borderHeight();
}

std::vector<std::string> BoxForm::setWrappedText(Element& label, const std::string& text, int wrapWidth,
                                                 FontCatalog& fonts) {
    label.wordWrap = true;
    label.caption = text;
    auto lines = LayoutTextLines(fonts, label.font, text, wrapWidth);
    if (lines.size() > kBoxMaxTextLines) {
        lines.resize(kBoxMaxTextLines);
        label.caption.clear();
        for (const auto& line : lines)
            label.caption += (label.caption.empty() ? "" : "\n") + line;
    }
    return lines;
}

void BoxForm::keyDown(int keyCode, int shift) {
    if (m_stops.empty()) return;
    switch (keyCode) {
    case kKeyReturn:
        answerWith(m_stops[m_focus].enterResult);
        break;
    case kKeyEscape:
        if (m_escapeResult) answerWith(m_escapeResult);
        break;
    case kKeyTab: {
        const std::size_t n = m_stops.size();
        focus((shift & kShiftMask) ? (m_focus + n - 1) % n : (m_focus + 1) % n);
        break;
    }
    default:
        otherKey(keyCode);
        break;
    }
}

} // namespace run::platform
