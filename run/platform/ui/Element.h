// Window elements: a small retained tree of forms and their controls with VB-style properties
// (geometry in twips, 15 twips a pixel). The same objects are what game scripts see by name.
#pragma once

#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/graphics/Picture.h"

#include <cstdint>
#include <functional>
#include <string>

namespace run::platform {

constexpr int kTwipsPerPixel = 15;
constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? twips / kTwipsPerPixel : -((-twips) / kTwipsPerPixel);
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

enum class ElementKind { Form, Label, TextBox, Image, PictureBox, CheckBox, Timer, Menu };

enum class Alignment { Left = 0, Right = 1, Center = 2 };

// Mouse buttons and shift states carry the VB values: left 1, right 2, middle 4; shift 1,
// ctrl 2, alt 4.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

// Mouse pointer values as VB numbers them (0 default, 1 arrow, 11 hourglass, 13 arrow and
// hourglass, 99 custom).
enum PointerShape : int {
    kPointerDefault = 0,
    kPointerArrow = 1,
    kPointerHourglass = 11,
    kPointerArrowHourglass = 13,
    kPointerCustom = 99
};

struct MouseArgs {
    int button = 0; // MouseButton for down/up; buttons held for moves
    int shift = 0;
    int x = 0, y = 0; // twips, relative to the element
};

class Form;

class Element {
  public:
    Element(ElementKind kind, std::string name, int index = -1)
        : kind(kind), name(std::move(name)), index(index) {}
    virtual ~Element() = default;

    const ElementKind kind;
    const std::string name;
    const int index; // position in an element array, -1 for a single element

    // Geometry in twips, relative to the container (form client area or picture box).
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    std::string caption; // label, text box, check box, menu and form text (UTF-8)
    ColorRef foreColor = 0x000000;
    ColorRef backColor = 0xC0C0C0;
    bool backTransparent = false; // BackStyle 0
    bool border = false;          // a one-pixel frame (BorderStyle 1)
    bool passesPointer = false;   // only drawn: the pointer reaches what lies under it
    FontSpec font;
    Alignment alignment = Alignment::Left;
    bool autoSize = false;
    bool wordWrap = false;
    PicturePtr picture;
    bool stretch = false;    // image: scale the picture to the element
    int value = 0;           // check box: 0 unchecked, 1 checked
    bool pushButton = false; // a label drawn as a push button (raised face, centred caption)
    bool hasFocus = false;   // takes the keys: drawn with the focus frame (button) or the caret
    // A text box's whole text is selected: shown highlighted while it has the focus, and the
    // next character typed replaces it.
    bool textSelected = false;
    std::string tag;
    std::string toolTipText; // shown beside the pointer once it rests on the element
    int mousePointer = kPointerDefault;
    PicturePtr mouseIcon;         // used when mousePointer is kPointerCustom
    int whatsThisHelpID = 0;      // a free number the game keeps per element (hotspots: their link)
    Element* container = nullptr; // null: the form itself
    Form* form = nullptr;

    // Events (set by the engine; a null handler ignores the event).
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(const MouseArgs&)> onMouseDown;
    std::function<void(const MouseArgs&)> onMouseMove;
    std::function<void(const MouseArgs&)> onMouseUp;
    std::function<void(bool)> onHover; // the pointer came over the element (true) or left it

    bool isArrayMember() const { return index >= 0; }
    Rect rectTwips() const { return {left, top, width, height}; }
    // True when this element and every container up to the form are visible.
    bool effectivelyVisible() const;

    // Copies every property (not events) from another element; used when an element array
    // member is loaded from element 0.
    void copyPropertiesFrom(const Element& other);
};

// A timer fires its handler every `interval` milliseconds while enabled, from the event pump.
class TimerElement : public Element {
  public:
    TimerElement(std::string name, int index = -1) : Element(ElementKind::Timer, std::move(name), index) {
        visible = false;
        enabled = false;
    }

    std::function<void()> onTimer;

    int interval() const { return m_interval; }
    bool isEnabled() const { return enabled && m_interval > 0; }
    // Setting either restarts the count, as the classic timer does.
    void setInterval(int ms);
    void setEnabled(bool on);

    // Used by the pump: the time the timer was last (re)armed.
    std::uint64_t armedAt() const { return m_armedAt; }
    void rearm(std::uint64_t now) {
        m_armedAt = now;
        m_needsArm = false;
    }
    bool needsArm() const { return m_needsArm; }

  private:
    int m_interval = 0;
    std::uint64_t m_armedAt = 0;
    bool m_needsArm = true;
};

} // namespace run::platform
