// The event pump: input dispatch with mouse capture, timers, modal boxes and painting.
#include "run/platform/ui/WindowSystem.h"

#include <algorithm>

#include "run/platform/ui/InputBoxForm.h"
#include "run/platform/ui/Keys.h"
#include "run/platform/ui/MessageBoxForm.h"

namespace run::platform {

namespace {
// How often a window that nothing changed is presented again (ms).
constexpr std::uint64_t kIdleRefreshMs = 1000;
} // namespace

WindowSystem::WindowSystem(IBackend& backend, FontCatalog& fonts)
    : m_backend(backend), m_fonts(fonts), m_painter(fonts), m_menuBar(fonts) {}

WindowSystem::~WindowSystem() {
    forgetAll();
}

void WindowSystem::forgetAll() {
    for (Form* f : m_forms) {
        f->loaded = false;
        m_backend.destroy(*f);
    }
    m_forms.clear();
    m_activation.clear();
    m_canvases.clear();
    m_busyTimers.clear();
    m_toolTip.hide();
    m_captureForm = nullptr;
    m_dragging = nullptr;
}

void WindowSystem::load(Form& form) {
    if (isLoaded(form)) return;
    form.loaded = true;
    m_forms.push_back(&form);
}

bool WindowSystem::isLoaded(const Form& form) const {
    return std::find(m_forms.begin(), m_forms.end(), &form) != m_forms.end();
}

void WindowSystem::show(Form& form) {
    load(form);
    form.visible = true;
    m_activation.erase(std::remove(m_activation.begin(), m_activation.end(), &form), m_activation.end());
    m_activation.push_back(&form);
    m_backend.present(form, paintedCanvas(form));
    if (form.onActivate) form.onActivate();
    m_dirty = true;
}

void WindowSystem::hide(Form& form) {
    form.visible = false;
    m_activation.erase(std::remove(m_activation.begin(), m_activation.end(), &form), m_activation.end());
    if (isLoaded(form)) m_backend.hide(form);
    if (m_captureForm == &form) m_captureForm = nullptr;
    if (m_dragging == &form) m_dragging = nullptr;
}

void WindowSystem::unload(Form& form) {
    if (!isLoaded(form)) return;
    // Forget the form first: its unload handler may show other windows or end the program.
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), &form), m_forms.end());
    m_activation.erase(std::remove(m_activation.begin(), m_activation.end(), &form), m_activation.end());
    if (m_captureForm == &form) m_captureForm = nullptr;
    if (m_dragging == &form) m_dragging = nullptr;
    m_toolTip.forget(form);
    form.loaded = false;
    form.visible = false;
    m_backend.destroy(form);
    m_canvases.erase(form.id());
    if (form.onUnload) form.onUnload();
}

Form* WindowSystem::activeForm() const {
    for (auto it = m_activation.rbegin(); it != m_activation.rend(); ++it) {
        if ((*it)->visible) return *it;
    }
    return nullptr;
}

void WindowSystem::centre(Form& form) {
    DisplayMode d = m_backend.desktopMode();
    form.top = PixelsToTwips(d.height) / 2 - form.height / 2;
    form.left = PixelsToTwips(d.width) / 2 - form.width / 2;
    if (form.visible) m_backend.move(form);
}

Form* WindowSystem::formById(WindowId id) const {
    if (id == 0) return activeForm();
    for (Form* f : m_forms) {
        if (f->id() == id) return f;
    }
    return nullptr;
}

Element* WindowSystem::captured() const {
    if (!m_captureForm || m_captureOnForm) return m_captureForm;
    return m_captureForm->find(m_captureName, m_captureIndex);
}

namespace {

// Calls a copy of an event handler: a handler may unload its own element (a hotspot whose action
// opens another frame), which destroys the stored handler while it runs.
template <class Fn, class... Args> void raise(const Fn& handler, Args&&... args) {
    if (!handler) return;
    Fn keep = handler;
    keep(std::forward<Args>(args)...);
}

// The frontmost element under (x, y) among the children of `container` (null: the form's own
// elements). A container's children lie above it, as they are painted, and only inside it.
Element* hitAmong(const Form& form, const Element* container, int x, int y) {
    const auto& els = form.elements();
    for (auto it = els.rbegin(); it != els.rend(); ++it) {
        Element& e = **it;
        if (e.container != container || !e.visible || e.passesPointer) continue;
        if (e.kind == ElementKind::Timer || e.kind == ElementKind::Menu) continue;
        Rect r = ElementRectOnForm(e);
        // A picture shown at its own size answers over the picture, not only the element box.
        if (e.kind == ElementKind::Image && !e.stretch && e.picture && (e.width == 0 || e.height == 0)) {
            r.w = e.picture->width();
            r.h = e.picture->height();
        }
        if (!r.contains(x, y)) continue;
        if (Element* inner = hitAmong(form, &e, x, y)) return inner;
        return &e;
    }
    return nullptr;
}

} // namespace

bool WindowSystem::onTitleBar(const Form& form, int x, int y) const {
    const int b = TwipsToPixels(form.borderTwips), top = TwipsToPixels(form.insideTop());
    return form.titleBarTwips > 0 && y >= b && y < top && x >= b && x < TwipsToPixels(form.width) - b;
}

Element* WindowSystem::hitTest(Form& form, int x, int y) const {
    return hitAmong(form, nullptr, x, y);
}

MouseArgs WindowSystem::argsFor(const Element& e, const InputEvent& ev) const {
    MouseArgs a;
    a.button = ev.button;
    a.shift = ev.shift;
    if (e.kind == ElementKind::Form) {
        const Form& f = static_cast<const Form&>(e);
        a.x = PixelsToTwips(ev.x - TwipsToPixels(f.insideLeft()));
        a.y = PixelsToTwips(ev.y - TwipsToPixels(f.insideTop()));
    } else {
        Rect r = ElementRectOnForm(e);
        a.x = PixelsToTwips(ev.x - r.x);
        a.y = PixelsToTwips(ev.y - r.y);
    }
    return a;
}

void WindowSystem::setScreenPointer(int shape, PicturePtr custom) {
    m_screenPointer = shape;
    m_screenIcon = std::move(custom);
    if (Form* f = activeForm()) updatePointer(*f, nullptr);
}

void WindowSystem::updatePointer(Form& form, Element* over) {
    if (m_screenPointer != kPointerDefault) {
        m_backend.setPointer(form, m_screenPointer, m_screenIcon.get());
        return;
    }
    const Element* source = over ? over : &form;
    if (source->mousePointer == kPointerDefault && source != &form) source = &form;
    const Picture* custom =
        source->mousePointer == kPointerCustom && source->mouseIcon ? source->mouseIcon.get() : nullptr;
    m_backend.setPointer(form, source->mousePointer, custom);
}

ModalScope::ModalScope(WindowSystem& ui, Form& modal) : m_ui(ui), m_modal(modal) {
    for (Form* f : ui.loadedForms()) {
        if (f == &modal) continue;
        m_others.emplace_back(f, f->enabled);
        f->enabled = false;
    }
    // The title bar grows the window upwards and downwards alike, so a centred one stays centred.
    if (!modal.caption.empty() && modal.titleBarTwips == 0) {
        m_titleBarAdded = PixelsToTwips(kTitleBarHeight);
        modal.titleBarTwips = m_titleBarAdded;
        modal.height += m_titleBarAdded;
        modal.top -= m_titleBarAdded / 2;
        if (modal.visible) ui.backend().move(modal);
    }
}

ModalScope::~ModalScope() {
    for (auto& [f, wasEnabled] : m_others) {
        if (m_ui.isLoaded(*f) && wasEnabled) f->enabled = true;
    }
    // The window's owner sized it without a title bar, and may show it again.
    if (m_titleBarAdded) {
        m_modal.titleBarTwips = 0;
        m_modal.height -= m_titleBarAdded;
        m_modal.top += m_titleBarAdded / 2;
    }
}

void WindowSystem::updateHover(Form& form, Element* over) {
    const bool same =
        over && m_hovered.form == form.id() && m_hovered.name == over->name && m_hovered.index == over->index;
    if (same || (!over && m_hovered.form == 0)) return;
    if (Form* before = m_hovered.form ? formById(m_hovered.form) : nullptr) {
        if (Element* e = before->find(m_hovered.name, m_hovered.index)) raise(e->onHover, false);
    }
    m_hovered = over ? Hovered{form.id(), over->name, over->index} : Hovered{};
    if (over) raise(over->onHover, true);
}

void WindowSystem::dispatch(const InputEvent& ev) {
    using T = InputEvent::Type;
    if (ev.type == T::Quit) {
        m_quit = true;
        return;
    }
    // Which keys are held, for those who ask rather than listen (components).
    if (ev.type == T::KeyDown) {
        m_keysDown.insert(ev.keyCode);
        m_keysPressed.insert(ev.keyCode);
    }
    if (ev.type == T::KeyUp) m_keysDown.erase(ev.keyCode);
    Form* form = formById(ev.window);
    if (!m_boxes.empty()) {
        // The innermost box owns the input, or a window shown over it since (a timer may open
        // one); events for the windows behind them are dropped.
        Form* owner = m_boxes.back();
        auto box = std::find(m_activation.begin(), m_activation.end(), owner);
        if (Form* active = activeForm();
            active && std::find(box, m_activation.end(), active) != m_activation.end())
            owner = active;
        if (ev.window != 0 && form != owner) return;
        form = owner;
        if (ev.type == T::CloseRequest && owner == m_boxes.back()) {
            m_boxes.back()->close();
            return;
        }
    }
    if (!form || !form->visible || !form->enabled) return;
    m_dirty = true;
    switch (ev.type) {
    case T::MouseDown: {
        // Bring the clicked window forward, as a click on a window activates it.
        if (activeForm() != form) {
            m_activation.erase(std::remove(m_activation.begin(), m_activation.end(), form),
                               m_activation.end());
            m_activation.push_back(form);
            if (form->onActivate) form->onActivate();
        }
        m_toolTip.hide();
        if (menuMouseDown(*form, ev)) return;
        m_dragging = nullptr;
        if (onTitleBar(*form, ev.x, ev.y) && ev.button == kLeftButton) {
            m_dragging = form;
            m_dragFromX = ev.x;
            m_dragFromY = ev.y;
            return;
        }
        Element* target = hitTest(*form, ev.x, ev.y);
        m_captureForm = nullptr;
        if (target && !target->enabled) return;
        Element* e = target ? target : form;
        m_captureForm = form;
        m_captureOnForm = target == nullptr;
        m_captureName = e->name;
        m_captureIndex = e->index;
        raise(e->onMouseDown, argsFor(*e, ev));
        break;
    }
    case T::MouseUp: {
        if (m_dragging) {
            m_dragging = nullptr;
            break;
        }
        bool hadCapture = m_captureForm == form;
        Element* e = hadCapture ? captured() : nullptr;
        m_captureForm = nullptr;
        // The element that got the down is gone (unloaded meanwhile): nothing gets the up.
        if (hadCapture && !e) break;
        if (!e) e = hitTest(*form, ev.x, ev.y);
        if (!e) e = form;
        if (!e->enabled) break;
        if (!isLoaded(*form)) return;
        // Found again by name after the handler, which may unload the element.
        const bool onForm = e == form;
        const std::string name = e->name;
        const int index = e->index;
        raise(e->onMouseUp, argsFor(*e, ev));
        if (!isLoaded(*form)) return;
        e = onForm ? form : form->find(name, index);
        if (!e) break;
        // A click is a down and an up over the same element.
        Element* under = hitTest(*form, ev.x, ev.y);
        if (!under) under = form;
        if (under == e && e->enabled) raise(e->onClick);
        break;
    }
    case T::DoubleClick: {
        Element* e = hitTest(*form, ev.x, ev.y);
        if (!e) e = form;
        raise(e->onDblClick);
        break;
    }
    case T::MouseMove: {
        if (m_dragging == form) {
            // Positions are the window's own: it moves by how far the pointer left the point it
            // took the bar at, which brings that point back under the pointer.
            form->left += PixelsToTwips(ev.x - m_dragFromX);
            form->top += PixelsToTwips(ev.y - m_dragFromY);
            m_backend.move(*form);
            break;
        }
        MenuState& menus = m_menus[form->id()];
        if (menus.open) {
            // Pointing into the open list highlights the item under the pointer.
            MenuBar::Hit hit = m_menuBar.hitTest(*form, menus, ev.x, ev.y);
            if (hit.inList) {
                auto entries = MenuBar::items(*form, menus.open);
                auto it = std::find(entries.begin(), entries.end(), hit.item);
                menus.highlighted = it == entries.end() ? -1 : static_cast<int>(it - entries.begin());
                break;
            }
        }
        Element* over = hitTest(*form, ev.x, ev.y);
        Element* e = (m_captureForm == form) ? captured() : nullptr;
        if (!e) e = over ? over : form;
        updatePointer(*form, over);
        updateHover(*form, over);
        m_toolTip.pointerMoved(*form, over, ev.x, ev.y, m_backend.nowMs());
        raise(e->onMouseMove, argsFor(*e, ev));
        break;
    }
    case T::KeyDown:
        if (menuKeyDown(*form, ev.keyCode)) break;
        if (form->onKeyDown) form->onKeyDown(ev.keyCode, ev.shift);
        break;
    case T::KeyUp:
        if (form->onKeyUp) form->onKeyUp(ev.keyCode, ev.shift);
        break;
    case T::TextInput:
        if (form->onTextInput) form->onTextInput(ev.text);
        break;
    case T::CloseRequest:
        unload(*form);
        break;
    default:
        break;
    }
}

std::uint64_t WindowSystem::msUntilNextTimer(std::uint64_t cap) {
    std::uint64_t now = m_backend.nowMs();
    std::uint64_t best = m_toolTip.dueIn(now, cap);
    for (Form* f : m_forms) {
        for (TimerElement* t : f->timers()) {
            if (!t->isEnabled()) continue;
            if (t->needsArm()) t->rearm(now);
            std::uint64_t due = t->armedAt() + static_cast<std::uint64_t>(t->interval());
            best = std::min(best, due > now ? due - now : 0);
        }
    }
    return best;
}

void WindowSystem::fireDueTimers() {
    std::uint64_t now = m_backend.nowMs();
    struct Due {
        Form* form;
        TimerElement* timer;
        std::uint64_t at;
    };
    std::vector<Due> due;
    for (Form* f : m_forms) {
        for (TimerElement* t : f->timers()) {
            if (!t->isEnabled()) continue;
            if (t->needsArm()) {
                t->rearm(now);
                continue;
            }
            std::uint64_t at = t->armedAt() + static_cast<std::uint64_t>(t->interval());
            if (at <= now) due.push_back({f, t, at});
        }
    }
    std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.at < b.at; });
    for (const Due& d : due) {
        // An earlier handler may have unloaded the form, the timer, or switched it off.
        if (!isLoaded(*d.form)) continue;
        auto timers = d.form->timers();
        if (std::find(timers.begin(), timers.end(), d.timer) == timers.end()) continue;
        if (!d.timer->isEnabled() || d.timer->needsArm()) continue;
        if (std::find(m_busyTimers.begin(), m_busyTimers.end(), d.timer) != m_busyTimers.end()) continue;
        // A modal box in an earlier handler pumps timers too and may have fired this one since.
        std::uint64_t t = m_backend.nowMs();
        if (d.timer->armedAt() + static_cast<std::uint64_t>(d.timer->interval()) > t) continue;
        d.timer->rearm(t);
        if (!d.timer->onTimer) continue;
        m_busyTimers.push_back(d.timer);
        m_dirty = true;
        raise(d.timer->onTimer);
        m_dirty = true;
        m_busyTimers.erase(std::remove(m_busyTimers.begin(), m_busyTimers.end(), d.timer),
                           m_busyTimers.end());
    }
}

void WindowSystem::repaintVisible() {
    for (Form* f : m_forms) {
        if (f->visible) m_backend.present(*f, paintedCanvas(*f));
    }
    m_dirty = false;
}

void WindowSystem::pump() {
    InputEvent ev;
    bool handled = false;
    while (m_backend.pollEvent(ev)) {
        dispatch(ev);
        handled = true;
    }
    // A handler may pump (and paint) midway and change more after; mark again once it is done.
    if (handled) m_dirty = true;
    fireDueTimers();
    if (m_toolTip.update(m_backend.nowMs())) m_dirty = true;
    if (m_backend.presentsContinuously()) {
        // Only what changed is repainted; an idle window is refreshed now and then, for a desktop
        // that uncovered it, rather than redrawn many times a second for nothing.
        std::uint64_t now = m_backend.nowMs();
        if (m_dirty || now - m_lastPresent >= kIdleRefreshMs) {
            repaintVisible();
            m_lastPresent = now;
        }
    }
}

void WindowSystem::pumpWhileModal() {
    fireDueTimers();
    if (m_backend.presentsContinuously()) {
        std::uint64_t now = m_backend.nowMs();
        if (now - m_lastPresent >= 33) {
            repaintVisible();
            m_lastPresent = now;
        }
    }
}

void WindowSystem::runUntil(const std::function<bool()>& done) {
    const std::uint64_t started = m_backend.nowMs();
    m_lastInput = started;
    while (!done() && !m_quit && !m_forms.empty()) {
        pump();
        if (done() || m_quit || m_forms.empty()) break;
        // Without a screen nobody can answer a window that waits for input: after a minute of
        // virtual time without any, the wait gives up rather than hang the run.
        if (!m_backend.presentsContinuously() && m_backend.nowMs() - m_lastInput > kHeadlessPatienceMs) break;
        // Sleep until input, the next timer or the idle refresh, whichever comes first.
        std::uint64_t cap = 0;
        if (m_backend.presentsContinuously() && !m_dirty) {
            std::uint64_t since = m_backend.nowMs() - m_lastPresent;
            cap = since < kIdleRefreshMs ? kIdleRefreshMs - since : 0;
        }
        m_backend.waitForEvent(static_cast<int>(msUntilNextTimer(cap)));
    }
}

void WindowSystem::waitWithEvents(int ms) {
    std::uint64_t until = m_backend.nowMs() + static_cast<std::uint64_t>(std::max(0, ms));
    pump();
    while (m_backend.nowMs() < until && !m_quit) {
        std::uint64_t left = until - m_backend.nowMs();
        m_backend.waitForEvent(static_cast<int>(std::min(left, msUntilNextTimer(left))));
        pump();
    }
}

bool WindowSystem::runBox(BoxForm& box, const std::function<bool()>& scripted) {
    m_captureForm = nullptr;
    m_dragging = nullptr;
    m_boxes.push_back(&box);
    centre(box);
    show(box);
    // Timers due now run before the answer, whoever gives it.
    pumpWhileModal();
    bool byScript = scripted();
    if (!byScript) {
        std::uint64_t lastInput = m_backend.nowMs();
        while (!box.answered()) {
            InputEvent ev;
            while (!box.answered() && m_backend.pollEvent(ev)) {
                dispatch(ev);
                lastInput = m_backend.nowMs();
                m_dirty = true;
            }
            if (box.answered()) break;
            // A program told to quit, or a headless run nobody answers, closes the box.
            if (m_quit ||
                (!m_backend.presentsContinuously() && m_backend.nowMs() - lastInput > kHeadlessPatienceMs)) {
                box.close();
                break;
            }
            pumpWhileModal();
            m_backend.waitForEvent(static_cast<int>(std::clamp<std::uint64_t>(nextTimerDelay(), 1, 16)));
            // A script that held the box open while it looked at it may answer it now.
            if (!box.answered() && scripted()) {
                byScript = true;
                break;
            }
        }
    }
    unload(box);
    m_boxes.pop_back();
    m_dirty = true;
    return byScript;
}

int WindowSystem::messageBox(const std::string& text, int style, const std::string& title) {
    const MessageBoxRequest request{title, text, style};
    MessageBoxForm box(request, m_fonts);
    const bool byScript = runBox(box, [&] {
        std::optional<int> answer = m_backend.scriptedMessageBoxAnswer(request);
        if (answer) box.answerWith(*answer);
        return answer.has_value();
    });
    if (!byScript) m_backend.messageBoxAnswered(request, box.answer());
    return box.answer();
}

std::optional<std::string> WindowSystem::inputBox(const std::string& prompt, const std::string& title,
                                                  const std::string& defaultText) {
    const InputBoxRequest request{title, prompt, defaultText};
    InputBoxForm box(request, m_fonts);
    std::optional<InputBoxAnswer> scripted;
    const bool byScript = runBox(box, [&] {
        scripted = m_backend.scriptedInputBoxAnswer(request);
        return scripted.has_value();
    });
    if (byScript) return scripted->text;
    std::optional<std::string> text = box.text();
    m_backend.inputBoxAnswered(request, text);
    return text;
}

const Canvas& WindowSystem::paintedCanvas(const Form& form) {
    Canvas& c = m_canvases[form.id()];
    m_painter.paint(form, c);
    m_menuBar.paint(form, m_menus[form.id()], c);
    m_toolTip.paint(form, c, m_fonts);
    return c;
}

bool WindowSystem::chooseMenu(Form& form, Element& menu) {
    if (menu.kind != ElementKind::Menu || !menu.visible || !menu.enabled) return false;
    MenuState& state = m_menus[form.id()];
    m_dirty = true;
    if (menu.container == nullptr) {
        bool hasItems = !MenuBar::items(form, &menu).empty();
        state = MenuState{};
        if (hasItems) state.open = &menu;
        raise(menu.onClick);
        return true;
    }
    state = MenuState{};
    raise(menu.onClick);
    return true;
}

// A click on the bar opens or closes a list; a click in the open list chooses an item; a click
// anywhere else while a list is open only closes it.
bool WindowSystem::menuMouseDown(Form& form, const InputEvent& ev) {
    MenuState& state = m_menus[form.id()];
    MenuBar::Hit hit = m_menuBar.hitTest(form, state, ev.x, ev.y);
    if (hit.onBar) {
        if (hit.topLevel && state.open == hit.topLevel)
            state = MenuState{};
        else if (hit.topLevel)
            chooseMenu(form, *hit.topLevel);
        else
            state = MenuState{};
        m_dirty = true;
        return true;
    }
    if (hit.inList) {
        if (hit.item) chooseMenu(form, *hit.item);
        return true;
    }
    if (state.open) {
        state = MenuState{};
        m_dirty = true;
        return true;
    }
    return false;
}

bool WindowSystem::menuKeyDown(Form& form, int keyCode) {
    MenuState& state = m_menus[form.id()];
    auto tops = MenuBar::topLevel(form);
    if (!state.open) {
        // The Alt key alone opens the first menu that has a list, as on the classic desktop.
        if (keyCode != kKeyMenu) return false;
        for (Element* top : tops) {
            if (top->enabled && !MenuBar::items(form, top).empty()) {
                chooseMenu(form, *top);
                m_menus[form.id()].highlighted = 0;
                return true;
            }
        }
        return false;
    }
    auto entries = MenuBar::items(form, state.open);
    auto at = std::find(tops.begin(), tops.end(), state.open);
    int n = static_cast<int>(entries.size());
    switch (keyCode) {
    case kKeyEscape:
        state = MenuState{};
        break;
    case kKeyDown:
        if (n) state.highlighted = (state.highlighted + 1) % n;
        break;
    case kKeyUp:
        if (n) state.highlighted = (state.highlighted + n - 1) % n;
        break;
    case kKeyLeft:
    case kKeyRight:
        if (at != tops.end() && tops.size() > 1) {
            std::size_t i = static_cast<std::size_t>(at - tops.begin());
            i = keyCode == kKeyRight ? (i + 1) % tops.size() : (i + tops.size() - 1) % tops.size();
            chooseMenu(form, *tops[i]);
        }
        break;
    case kKeyReturn:
        if (state.highlighted >= 0 && state.highlighted < n)
            chooseMenu(form, *entries[static_cast<std::size_t>(state.highlighted)]);
        break;
    default:
        return true; // other keys go nowhere while a list is open
    }
    m_dirty = true;
    return true;
}

} // namespace run::platform
