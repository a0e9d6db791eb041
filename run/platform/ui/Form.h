// A form: a top-level window with its elements in z-order, element arrays loaded at run time from
// an invisible element 0, key events, and a persistent drawing layer for painted pictures.
#pragma once

#include "run/platform/ui/Element.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace run::platform {

// VB's error for loading an array member twice, unloading element 0, or a missing element.
struct ElementError : std::runtime_error {
    int number;
    ElementError(int number, const std::string& what) : std::runtime_error(what), number(number) {}
};

using WindowId = std::uint32_t;

// The height of the title bar the player draws above a dialog's inside, in pixels.
constexpr int kTitleBarHeight = 18;

class Form : public Element {
  public:
    explicit Form(std::string name);
    ~Form() override;

    WindowId id() const { return m_id; }

    // Window state. `left`/`top`/`width`/`height` are the outer window in screen twips;
    // `borderTwips` is the frame drawn on each side, so the inner size is smaller by twice it;
    // `titleBarTwips` is the title bar the player draws with the caption, between the top frame
    // and the inside (0: none).
    int borderTwips = 0;
    int titleBarTwips = 0;
    bool topmost = false;
    bool keyPreview = true;
    bool loaded = false; // between Load and Unload
    int windowState = 0; // 0 normal, 2 maximised (shown over the whole screen)
    int scaleWidth() const { return width - 2 * borderTwips; }
    int scaleHeight() const { return height - borderHeight(); }
    int borderHeight() const { return 2 * borderTwips + titleBarTwips; } // outer height minus inner height
    // Where the inside begins, from the outer top-left corner.
    int insideLeft() const { return borderTwips; }
    int insideTop() const { return borderTwips + titleBarTwips; }

    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void(const std::string& utf8)> onTextInput; // characters typed
    std::function<void()> onActivate;
    std::function<void()> onUnload; // the form is being unloaded

    // Creating elements at design time (the form's own builder calls these).
    template <class T = Element, class... Args> T& add(Args&&... args) {
        auto e = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *e;
        adopt(std::move(e));
        return ref;
    }
    Element& addElement(ElementKind kind, const std::string& name, int index = -1);
    TimerElement& addTimer(const std::string& name, int index = -1);

    // Finds an element by name (case-insensitive) and array index; null when absent.
    Element* find(const std::string& name, int index = -1) const;
    Element& get(const std::string& name, int index = -1) const; // throws ElementError 340
    TimerElement* findTimer(const std::string& name, int index = -1) const;

    // Element arrays: Load creates member `index` as a copy of member 0, invisible; Unload
    // removes it (member 0 cannot be unloaded). Error numbers as VB: 360 already loaded,
    // 340 no such element, 362 cannot unload design-time element.
    Element& loadArrayMember(const std::string& arrayName, int index);
    void unloadArrayMember(const std::string& arrayName, int index);
    // Removes an element added at run time that is not an array member (as the controls a
    // game adds by name are removed); its children go to its container. False when absent.
    bool removeElement(const std::string& name);
    // Members of an array in index order (element 0 included).
    std::vector<Element*> arrayMembers(const std::string& arrayName) const;

    // Z-order: 0 brings the element to the front of its siblings, 1 sends it to the back.
    void zOrder(Element& e, int position = 0);

    // Elements in painting order (back to front).
    const std::vector<std::unique_ptr<Element>>& elements() const { return m_elements; }
    std::vector<TimerElement*> timers() const;

    // The persistent drawing layer (AutoRedraw): pictures painted onto the form itself lie
    // above the back colour and below every element. Empty until something is painted.
    Canvas& drawingLayer();
    const Canvas* drawingLayerIfAny() const { return m_drawing.empty() ? nullptr : &m_drawing; }
    void clearDrawingLayer() { m_drawing = Canvas(); }

  private:
    void adopt(std::unique_ptr<Element> e);
    WindowId m_id;
    std::vector<std::unique_ptr<Element>> m_elements;
    Canvas m_drawing;
};

} // namespace run::platform
