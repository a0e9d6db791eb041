// The menu bar of a form, drawn into the form's canvas like everything else (so it looks and
// answers the same in a window and headless): top-level Menu elements along the bar, their
// child Menu elements in a drop-down list. A checked item (value 1) shows a tick.
#pragma once

#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/Form.h"

#include <vector>

namespace run::platform {

constexpr int kMenuBarHeight = 20; // pixels

// The state of one form's menus: which drop-down is open and which item is highlighted.
struct MenuState {
    Element* open = nullptr; // the top-level menu whose list is shown
    int highlighted = -1;    // index into the open list's visible items
};

class MenuBar {
  public:
    explicit MenuBar(FontCatalog& fonts) : m_fonts(fonts) {}

    // True when the form shows a menu bar (some top-level menu is visible).
    static bool visible(const Form& form);
    static std::vector<Element*> topLevel(const Form& form);
    static std::vector<Element*> items(const Form& form, const Element* menu);

    void paint(const Form& form, const MenuState& state, Canvas& canvas);

    // What lies at a point of the form's canvas.
    struct Hit {
        Element* topLevel = nullptr; // a caption on the bar
        Element* item = nullptr;     // an item of the open list
        bool onBar = false;          // anywhere on the bar
        bool inList = false;         // anywhere on the open list
    };
    Hit hitTest(const Form& form, const MenuState& state, int x, int y);

  private:
    Rect captionRect(const Form& form, const Element* menu);
    Rect listRect(const Form& form, const Element* menu);
    FontCatalog& m_fonts;
    FontSpec m_font{"MS Sans Serif", 8.25};
};

} // namespace run::platform
