// Layout of the message box, sized to its text.
#include "run/platform/ui/MessageBoxForm.h"

#include "run/platform/ui/MessageBoxIcon.h"

#include <algorithm>

namespace run::platform {

MessageBoxForm::MessageBoxForm(const MessageBoxRequest& request, FontCatalog& fonts)
    : BoxForm("frmMessageBox") {
    caption = request.title;
    MessageBoxButton buttons[3];
    const int count = MessageBoxButtons(request.style, buttons);
    const int defaultIndex = MessageBoxDefaultIndex(request.style);

    // Escape answers Cancel where there is one, and OK when OK is the only button; closing the
    // box answers Cancel where there is one, else the default button.
    m_closeResult = buttons[defaultIndex].result;
    for (int i = 0; i < count; ++i) {
        if (buttons[i].result == kResultCancel) m_escapeResult = m_closeResult = kResultCancel;
    }
    if (count == 1) m_escapeResult = buttons[0].result;

    int x = kBoxMargin, contentBottom = kBoxMargin;
    if (PicturePtr icon = MessageBoxIconPicture(request.style, fonts)) {
        Element& image = addElement(ElementKind::Image, "imgIcon");
        image.picture = std::move(icon);
        image.left = PixelsToTwips(kBoxMargin);
        image.top = PixelsToTwips(kBoxMargin);
        image.width = image.height = PixelsToTwips(kBoxIconSize);
        x += kBoxIconSize + kBoxMargin;
        contentBottom += kBoxIconSize;
    }

    Element& text = addElement(ElementKind::Label, "lblText");
    text.backTransparent = true;
    const auto lines = setWrappedText(text, request.text, kMessageBoxTextWidth, fonts);
    int textWidth = 0;
    for (const auto& line : lines)
        textWidth = std::max(textWidth, fonts.measure(text.font, line).width);
    const int textHeight = fonts.lineHeight(text.font) * static_cast<int>(lines.size());
    // A short text stands level with the middle of the icon.
    int textTop = kBoxMargin;
    if (contentBottom > kBoxMargin && textHeight < kBoxIconSize) textTop += (kBoxIconSize - textHeight) / 2;
    text.left = PixelsToTwips(x);
    text.top = PixelsToTwips(textTop);
    text.width = PixelsToTwips(textWidth + 1);
    text.height = PixelsToTwips(textHeight);
    contentBottom = std::max(contentBottom, textTop + textHeight);

    FontSpec titleFont;
    titleFont.bold = true;
    const int rowWidth = count * kBoxButtonWidth + (count - 1) * kBoxButtonGap;
    const int insideWidth = std::max({x + textWidth + 1 + kBoxMargin, rowWidth + 2 * kBoxMargin,
                                      fonts.measure(titleFont, request.title).width + 2 * kBoxMargin, 160});
    const int buttonsTop = contentBottom + kBoxMargin + 2;
    int buttonX = (insideWidth - rowWidth) / 2;
    for (int i = 0; i < count; ++i) {
        Element& b = addButton(buttons[i].caption, buttons[i].result);
        b.left = PixelsToTwips(buttonX);
        b.top = PixelsToTwips(buttonsTop);
        buttonX += kBoxButtonWidth + kBoxButtonGap;
    }
    focus(static_cast<std::size_t>(defaultIndex));
    setInsideSize(insideWidth, buttonsTop + kBoxButtonHeight + kBoxMargin);
}

} // namespace run::platform
