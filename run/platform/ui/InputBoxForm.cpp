// Layout and typing of the input box.
#include "run/platform/ui/InputBoxForm.h"

#include "run/platform/ui/Keys.h"

#include <algorithm>

namespace run::platform {

namespace {
constexpr int kInsideWidth = 360;
constexpr int kPromptWidth = kInsideWidth - 3 * kBoxMargin - kBoxButtonWidth;
constexpr int kTextBoxHeight = 20;
} // namespace

InputBoxForm::InputBoxForm(const InputBoxRequest& request, FontCatalog& fonts) : BoxForm("frmInputBox") {
    caption = request.title;
    m_escapeResult = m_closeResult = kResultCancel;

    Element& prompt = addElement(ElementKind::Label, "lblPrompt");
    prompt.backTransparent = true;
    const auto lines = setWrappedText(prompt, request.prompt, kPromptWidth, fonts);
    const int promptHeight = fonts.lineHeight(prompt.font) * static_cast<int>(lines.size());
    prompt.left = PixelsToTwips(kBoxMargin);
    prompt.top = PixelsToTwips(kBoxMargin);
    prompt.width = PixelsToTwips(kPromptWidth);
    prompt.height = PixelsToTwips(promptHeight);

    Element& box = addElement(ElementKind::TextBox, "txtInput");
    box.caption = request.defaultText;
    box.border = true;
    box.backColor = 0xFFFFFF;
    // The default text comes selected: a player who types a name of their own replaces it.
    box.textSelected = !request.defaultText.empty();
    addFocusStop(box, kResultOk);
    m_textBox = &box;

    const int buttonX = kInsideWidth - kBoxMargin - kBoxButtonWidth;
    Element& ok = addButton("OK", kResultOk);
    ok.left = PixelsToTwips(buttonX);
    ok.top = PixelsToTwips(kBoxMargin);
    Element& cancel = addButton("Cancel", kResultCancel);
    cancel.left = PixelsToTwips(buttonX);
    cancel.top = PixelsToTwips(kBoxMargin + kBoxButtonHeight + kBoxButtonGap);

    const int boxTop =
        std::max(kBoxMargin + promptHeight, kBoxMargin + 2 * kBoxButtonHeight + kBoxButtonGap) + kBoxMargin;
    box.left = PixelsToTwips(kBoxMargin);
    box.top = PixelsToTwips(boxTop);
    box.width = PixelsToTwips(kInsideWidth - 2 * kBoxMargin);
    box.height = PixelsToTwips(kTextBoxHeight);
    // Clicking into the text puts the caret there: the text stays and typing adds to it.
    box.onMouseDown = [this](const MouseArgs&) {
        m_textBox->textSelected = false;
        focus(0);
    };

    onTextInput = [this](const std::string& utf8) { typed(utf8); };
    setInsideSize(kInsideWidth, boxTop + kTextBoxHeight + kBoxMargin);
}

std::optional<std::string> InputBoxForm::text() const {
    if (answer() != kResultOk) return std::nullopt;
    return m_textBox->caption;
}

void InputBoxForm::typed(const std::string& utf8) {
    if (!m_textBox->hasFocus || answered()) return;
    // Control characters are keys, not text.
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) continue;
        if (m_textBox->textSelected) m_textBox->caption.clear();
        m_textBox->textSelected = false;
        m_textBox->caption += c;
    }
}

void InputBoxForm::otherKey(int keyCode) {
    if (keyCode != kKeyBack || !m_textBox->hasFocus || answered()) return;
    std::string& t = m_textBox->caption;
    if (m_textBox->textSelected) {
        t.clear();
        m_textBox->textSelected = false;
        return;
    }
    // One character, whatever its UTF-8 length.
    while (!t.empty() && (static_cast<unsigned char>(t.back()) & 0xC0) == 0x80)
        t.pop_back();
    if (!t.empty()) t.pop_back();
}

} // namespace run::platform
