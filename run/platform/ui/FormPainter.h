// Paints a form and its elements, back to front, into a canvas of the form's outer size.
#pragma once

#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/Form.h"

#include <string>
#include <vector>

namespace run::platform {

// Breaks a caption into the lines it shows: at line breaks, and at blanks when `wrapWidth` > 0.
std::vector<std::string> LayoutTextLines(FontCatalog& fonts, const FontSpec& font, const std::string& text,
                                         int wrapWidthPixels);

// Sizes an auto-sizing label or check box to its caption (in twips), as the classic label does.
void AutoSizeToCaption(Element& e, FontCatalog& fonts);

// The background of selected text: the dark blue the title bar begins with.
constexpr Pixel kSelectionColour = 0xFF0A246A;

class FormPainter {
  public:
    explicit FormPainter(FontCatalog& fonts) : m_fonts(fonts) {}
    // Redraws the whole form; the canvas is resized to the form's outer size in pixels.
    void paint(const Form& form, Canvas& canvas);

  private:
    void paintElement(const Form& form, const Element& e, Canvas& canvas, int originX, int originY,
                      const Rect& clip);
    void paintText(const Element& e, Canvas& canvas, const Rect& box, const Rect& clip);
    void paintTitleBar(const Form& form, Canvas& canvas, const Rect& bar);
    void paintButton(const Element& e, Canvas& canvas, const Rect& r, const Rect& clip);
    void paintCaret(const Element& e, Canvas& canvas, const Rect& box, const Rect& clip);
    int typingScroll(const Element& e, int lineWidth, int boxWidth) const;
    FontCatalog& m_fonts;
};

// Where an element lies on the form's canvas, in pixels (its containers' offsets included).
Rect ElementRectOnForm(const Element& e);

} // namespace run::platform
