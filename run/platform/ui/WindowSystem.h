// The one user-interface loop: forms shown in backend windows, input routed to elements, timers
// fired from the pump, modal boxes that keep timers running, and painting.
#pragma once

#include "run/platform/graphics/Fonts.h"
#include "run/platform/ui/Backend.h"
#include "run/platform/ui/FormPainter.h"
#include "run/platform/ui/MenuBar.h"
#include "run/platform/ui/ToolTip.h"

#include <functional>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace run::platform {

class WindowSystem;
class BoxForm;

// While it lives, every other loaded window takes no input (their timers still run); each gets
// its own enabled state back afterwards. For windows the player draws and shows modally: such a
// window with a caption shows it in a title bar above its inside, as the boxes do.
class ModalScope {
  public:
    ModalScope(WindowSystem& ui, Form& modal);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

  private:
    WindowSystem& m_ui;
    Form& m_modal;
    int m_titleBarAdded = 0; // twips
    std::vector<std::pair<Form*, bool>> m_others;
};

class WindowSystem : public ModalHost {
  public:
    WindowSystem(IBackend& backend, FontCatalog& fonts);
    ~WindowSystem() override;

    IBackend& backend() { return m_backend; }
    FontCatalog& fonts() { return m_fonts; }
    std::uint64_t now() { return m_backend.nowMs(); }

    // Load registers a form with the pump (its timers run from then on); Show makes it visible
    // and active; Hide keeps it loaded; Unload runs its unload handler and forgets it.
    void load(Form& form);
    void show(Form& form);
    void hide(Form& form);
    void unload(Form& form);
    // Closes every window without running unload handlers: for when the forms themselves are
    // about to be destroyed, before the window system is.
    void forgetAll();
    bool isLoaded(const Form& form) const;
    // The visible form that receives keys and the play driver's clicks: the last shown or
    // activated one.
    Form* activeForm() const;
    const std::vector<Form*>& loadedForms() const { return m_forms; }
    // Centres a form on the desktop.
    void centre(Form& form);

    // Lets pending events run once: input, due timers, painting.
    void pump();
    // Runs the pump until `done` returns true or every form is unloaded. Headless, it also
    // returns after a minute of virtual time without input.
    void runUntil(const std::function<bool()>& done);
    // Waits `ms` milliseconds while letting events run (a headless clock is advanced).
    void waitWithEvents(int ms);
    // Milliseconds until the next enabled timer is due; `cap` when there is none.
    std::uint64_t msUntilNextTimer(std::uint64_t cap);
    // Fires every timer due at the current time, in due order.
    void fireDueTimers();

    // Modal boxes, drawn as forms centred on the screen: only the box takes input until it is
    // answered (or the backend answers it for a script); timers keep firing meanwhile.
    int messageBox(const std::string& text, int style, const std::string& title);
    std::optional<std::string> inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultText);
    bool modalOpen() const { return !m_boxes.empty(); }
    // The innermost box open now; null when there is none.
    BoxForm* openBox() const { return m_boxes.empty() ? nullptr : m_boxes.back(); }

    // The form as a player sees it now (painted on demand).
    const Canvas& paintedCanvas(const Form& form);
    // The screen-wide pointer that overrides every element's own (kPointerDefault: none).
    void setScreenPointer(int shape, PicturePtr custom);
    int screenPointer() const { return m_screenPointer; }
    // The tooltip text shown on a form now (the pointer rested on an element that has one).
    std::optional<std::string> toolTipOn(const Form& form) const { return m_toolTip.shownOn(form); }

    // Menus: what is open on a form, and choosing a menu as a click on it would.
    const MenuState& menuState(const Form& form) { return m_menus[form.id()]; }
    void closeMenus(const Form& form) { m_menus[form.id()] = MenuState{}; }
    // Chooses a menu element: a top-level menu runs its click and opens its list; an item runs
    // its click and closes the list. False when the menu is hidden or disabled.
    bool chooseMenu(Form& form, Element& menu);

    // Marks every form for repainting at the next pump.
    void invalidate() { m_dirty = true; }

    // The frontmost visible element at a point of the form (pixels from its outer corner).
    Element* elementAt(Form& form, int x, int y) const { return hitTest(form, x, y); }

    // Routes one input event as if it came from the backend (used by the pump and the driver).
    void dispatch(const InputEvent& ev);

    // Whether a key (a KeyCode) is held down now.
    bool keyDown(int keyCode) const { return m_keysDown.count(keyCode) != 0; }
    // Whether a key is held now or was pressed since the last time this asked about it, so a
    // quick tap between two looks is not missed.
    bool keyDownOrPressedSince(int keyCode) {
        const bool pressed = m_keysPressed.erase(keyCode) != 0;
        return pressed || keyDown(keyCode);
    }

    // Set when the backend reports that the user closed the program's last window or quit.
    bool quitRequested() const { return m_quit; }

    // ModalHost
    void pumpWhileModal() override;
    std::uint64_t nextTimerDelay() override { return msUntilNextTimer(50); }

  private:
    Form* formById(WindowId id) const;
    Element* hitTest(Form& form, int x, int y) const;
    // The title bar the player draws for a dialog: dragging it moves the window.
    bool onTitleBar(const Form& form, int x, int y) const;
    void updatePointer(Form& form, Element* over);
    // Tells the element the pointer left and the one it came over (found by name, never kept).
    void updateHover(Form& form, Element* over);
    void repaintVisible();
    MouseArgs argsFor(const Element& e, const InputEvent& ev) const;
    // Shows a box until it is answered; `scripted` asks the backend for an answer first, and
    // again each time the box has waited. True when the backend gave the answer.
    bool runBox(BoxForm& box, const std::function<bool()>& scripted);

    IBackend& m_backend;
    FontCatalog& m_fonts;
    FormPainter m_painter;
    MenuBar m_menuBar;
    std::map<WindowId, MenuState> m_menus;
    bool menuMouseDown(Form& form, const InputEvent& ev);
    bool menuKeyDown(Form& form, int keyCode);
    std::vector<Form*> m_forms;      // loaded forms
    std::vector<Form*> m_activation; // visible forms, most recently activated last
    std::map<WindowId, Canvas> m_canvases;
    // The element that got the mouse-down, found again by name so an unloaded one is not used.
    Form* m_captureForm = nullptr;
    std::string m_captureName;
    int m_captureIndex = -1;
    bool m_captureOnForm = false;
    Element* captured() const;
    Form* m_dragging = nullptr; // the window whose title bar is held
    int m_dragFromX = 0, m_dragFromY = 0;
    std::vector<TimerElement*> m_busyTimers;
    std::vector<BoxForm*> m_boxes; // open boxes, the innermost last
    bool m_dirty = true;
    bool m_quit = false;
    std::uint64_t m_lastPresent = 0;
    static constexpr std::uint64_t kHeadlessPatienceMs = 60000;
    std::uint64_t m_lastInput = 0;
    int m_screenPointer = kPointerDefault;
    std::set<int> m_keysDown;
    std::set<int> m_keysPressed;
    PicturePtr m_screenIcon;
    ToolTip m_toolTip;
    struct Hovered {
        WindowId form = 0;
        std::string name;
        int index = -1;
    } m_hovered;
};

} // namespace run::platform
