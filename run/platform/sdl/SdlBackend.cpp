// SDL windows, input and clock.
#include "run/platform/sdl/SdlBackend.h"

#include "run/platform/sdl/SdlAudio.h"
#include "run/platform/sdl/SdlKeys.h"
#include "run/platform/ui/Element.h"
#include "run/platform/ui/Keys.h"
#include "run/platform/ui/Scaling.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace run::platform {

namespace {

struct Window {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    int texW = 0, texH = 0;
    bool shown = false;
    bool fullscreen = false;
    bool dialog = false; // draws its own title bar
    Rect fit;            // where the canvas lies in the window, in window coordinates
};

class SdlBackend final : public IBackend {
  public:
    SdlBackend() {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
            throw NoDisplayError(SDL_GetError());
        }
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    }
    ~SdlBackend() override {
        for (auto& [id, w] : m_windows)
            release(w);
        for (auto& [shape, c] : m_cursors)
            SDL_FreeCursor(c);
        for (auto& [pic, c] : m_customCursors)
            SDL_FreeCursor(c);
        SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS);
    }

    const char* name() const override { return "sdl"; }
    std::uint64_t nowMs() override { return SDL_GetTicks64(); }
    bool presentsContinuously() const override { return true; }

    bool pollEvent(InputEvent& ev) override {
        if (m_hasPendingDouble) {
            m_hasPendingDouble = false;
            ev = m_pendingDouble;
            return true;
        }
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
            if (translate(e, ev)) return true;
        }
        return false;
    }

    void waitForEvent(int timeoutMs) override {
        SDL_WaitEventTimeout(nullptr, timeoutMs < 1 ? 1 : timeoutMs);
    }

    void present(const Form& form, const Canvas& canvas) override {
        Window& w = m_windows[form.id()];
        int width = canvas.width(), height = canvas.height();
        if (!w.window) {
            Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
            // A form that draws its title bar needs none from the window manager.
            w.dialog = form.titleBarTwips > 0;
            if (form.caption.empty() || w.dialog) flags |= SDL_WINDOW_BORDERLESS;
            // A maximised form covers the screen: the canvas is scaled to it, bars at the sides.
            // A borderless window over the display's bounds does this with or without a window
            // manager, where a full-screen request needs one to take effect.
            SDL_Rect screen{0, 0, width, height};
            if (form.windowState == 2) {
                SDL_GetDisplayBounds(0, &screen);
                flags |= SDL_WINDOW_BORDERLESS;
                w.fullscreen = true;
            }
            const char* title = form.caption.empty() ? form.name.c_str() : form.caption.c_str();
            const Rect place = onScreen(form, width, height);
            w.window = w.fullscreen ? SDL_CreateWindow(title, screen.x, screen.y, screen.w, screen.h, flags)
                                    : SDL_CreateWindow(title, place.x, place.y, place.w, place.h, flags);
            if (!w.window) return;
            w.renderer =
                SDL_CreateRenderer(w.window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
            if (!w.renderer) w.renderer = SDL_CreateRenderer(w.window, -1, SDL_RENDERER_SOFTWARE);
            m_ids[SDL_GetWindowID(w.window)] = form.id();
        }
        if (!w.fullscreen && (w.texW != width || w.texH != height)) {
            const Rect place = onScreen(form, width, height);
            SDL_SetWindowSize(w.window, place.w, place.h);
            SDL_SetWindowPosition(w.window, place.x, place.y);
        }
        if (!form.caption.empty()) SDL_SetWindowTitle(w.window, form.caption.c_str());
        if (!w.texture || w.texW != width || w.texH != height) {
            if (w.texture) SDL_DestroyTexture(w.texture);
            w.texture = SDL_CreateTexture(w.renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                          width, height);
            w.texW = width;
            w.texH = height;
        }
        if (!w.texture) return;
        SDL_UpdateTexture(w.texture, nullptr, canvas.pixels().data(), width * 4);
        redraw(form.id());
        if (!w.shown) {
            SDL_ShowWindow(w.window);
            SDL_RaiseWindow(w.window);
            SDL_SetWindowInputFocus(w.window);
            w.shown = true;
            m_shownOrder.push_back(form.id());
        }
        SDL_SetWindowAlwaysOnTop(w.window, form.topmost ? SDL_TRUE : SDL_FALSE);
    }

    void hide(const Form& form) override {
        auto it = m_windows.find(form.id());
        if (it == m_windows.end() || !it->second.window) return;
        SDL_HideWindow(it->second.window);
        it->second.shown = false;
        focusPrevious(form.id());
    }

    void destroy(const Form& form) override {
        auto it = m_windows.find(form.id());
        if (it == m_windows.end()) return;
        release(it->second);
        m_windows.erase(it);
        focusPrevious(form.id());
    }

    // The window shown before a closing one gets the keyboard back, as a window manager would
    // do (and some do not).
    void focusPrevious(WindowId gone) {
        std::erase(m_shownOrder, gone);
        for (auto id = m_shownOrder.rbegin(); id != m_shownOrder.rend(); ++id) {
            auto it = m_windows.find(*id);
            if (it != m_windows.end() && it->second.shown && it->second.window) {
                SDL_RaiseWindow(it->second.window);
                SDL_SetWindowInputFocus(it->second.window);
                return;
            }
        }
    }

    void move(const Form& form) override {
        auto it = m_windows.find(form.id());
        if (it == m_windows.end() || !it->second.window || it->second.fullscreen) return;
        const Rect place = onScreen(form, it->second.texW, it->second.texH);
        SDL_SetWindowPosition(it->second.window, place.x, place.y);
    }

    // Forms stand on the game's screen (the display mode it asked for, which is never really
    // set). That screen is shown scaled onto the real one, as the maximised game window shows
    // it, so a window over the game lies where it would on the game's screen, scaled alike.
    Rect onScreen(const Form& form, int width, int height) {
        SDL_Rect real{0, 0, 0, 0};
        const DisplayMode game = desktopMode();
        if (SDL_GetDisplayBounds(0, &real) != 0 || game.width <= 0 || game.height <= 0)
            return {TwipsToPixels(form.left), TwipsToPixels(form.top), width, height};
        const Rect fit = FitPreservingAspect(game.width, game.height, real.w, real.h);
        auto scale = [&](int v, int from, int to) { return int(std::int64_t(v) * to / from); };
        return {real.x + fit.x + scale(TwipsToPixels(form.left), game.width, fit.w),
                real.y + fit.y + scale(TwipsToPixels(form.top), game.height, fit.h),
                std::max(1, scale(width, game.width, fit.w)), std::max(1, scale(height, game.height, fit.h))};
    }

    void setPointer(const Form& form, int shape, const Picture* custom) override {
        static_cast<void>(form);
        SDL_Cursor* c = nullptr;
        if (shape == kPointerCustom && custom) c = customCursor(*custom);
        if (!c) c = systemCursor(shape);
        if (c && c != SDL_GetCursor()) SDL_SetCursor(c);
    }

    DisplayMode desktopMode() override {
        if (m_override.width > 0) return m_override;
        SDL_DisplayMode m;
        if (SDL_GetDesktopDisplayMode(0, &m) != 0) return {};
        return {m.w, m.h, m.refresh_rate, int(SDL_BITSPERPIXEL(m.format))};
    }

    // The display itself is never switched: the game is shown scaled on the desktop as it is,
    // and the player sees the project's size. The mode is remembered for the layout.
    bool setDisplayMode(int width, int height, int refreshRate) override {
        SDL_DisplayMode real;
        if (SDL_GetDesktopDisplayMode(0, &real) == 0 && real.w == width && real.h == height) {
            m_override = {};
            return true;
        }
        m_override = {width, height, refreshRate, 32};
        return true;
    }

    bool openWithDefaultHandler(const std::string& target) override {
        pid_t pid;
        const char* argv[] = {"xdg-open", target.c_str(), nullptr};
        if (posix_spawnp(&pid, "xdg-open", nullptr, nullptr, const_cast<char* const*>(argv), environ) != 0)
            return false;
        // xdg-open hands the target over and returns quickly; reap it so no zombie stays. Its
        // answer (no handler, say) is not a failure of the request, as with the classic shell.
        int status = 0;
        waitpid(pid, &status, 0);
        return true;
    }

    std::string clipboardText() override {
        char* text = SDL_GetClipboardText(); // never null; empty on failure
        std::string out = text ? text : "";
        SDL_free(text);
        return out;
    }

    void setClipboardText(const std::string& utf8) override { SDL_SetClipboardText(utf8.c_str()); }
    IAudioOutput& audioOutput() override { return m_audio; }

  private:
    static void release(Window& w) {
        if (w.texture) SDL_DestroyTexture(w.texture);
        if (w.renderer) SDL_DestroyRenderer(w.renderer);
        if (w.window) SDL_DestroyWindow(w.window);
        w = {};
    }

    WindowId formOf(Uint32 sdlWindow) const {
        auto it = m_ids.find(sdlWindow);
        return it == m_ids.end() ? 0 : it->second;
    }

    void redraw(WindowId id) {
        auto it = m_windows.find(id);
        if (it == m_windows.end() || !it->second.texture) return;
        Window& w = it->second;
        int outW = 0, outH = 0, winW = 0, winH = 0;
        SDL_GetRendererOutputSize(w.renderer, &outW, &outH);
        SDL_GetWindowSize(w.window, &winW, &winH);
        Rect dst = FitPreservingAspect(w.texW, w.texH, outW, outH);
        w.fit = FitPreservingAspect(w.texW, w.texH, winW, winH);
        SDL_SetRenderDrawColor(w.renderer, 0, 0, 0, 255);
        SDL_RenderClear(w.renderer);
        SDL_Rect target{dst.x, dst.y, dst.w, dst.h};
        SDL_RenderCopy(w.renderer, w.texture, nullptr, &target);
        SDL_RenderPresent(w.renderer);
    }

    // Window coordinates to canvas pixels; points on the bars go to the nearest edge. A point
    // outside the window (the pointer dragged out with a button held) keeps its distance, scaled,
    // so a window dragged by its title bar follows the pointer all the way.
    void toCanvas(WindowId id, int& x, int& y) const {
        auto it = m_windows.find(id);
        if (it == m_windows.end()) return;
        const Window& w = it->second;
        int winW = 0, winH = 0;
        if (w.window) SDL_GetWindowSize(w.window, &winW, &winH);
        if ((x < 0 || y < 0 || x >= winW || y >= winH) && w.fit.w > 0 && w.fit.h > 0) {
            auto scaled = [](int v, int origin, int span, int size) {
                const std::int64_t d = std::int64_t(v - origin) * size;
                return int(d >= 0 ? d / span : -((-d + span - 1) / span));
            };
            x = scaled(x, w.fit.x, w.fit.w, w.texW);
            y = scaled(y, w.fit.y, w.fit.h, w.texH);
            return;
        }
        int cx = 0, cy = 0;
        int px = std::clamp(x, w.fit.x, w.fit.x + std::max(0, w.fit.w - 1));
        int py = std::clamp(y, w.fit.y, w.fit.y + std::max(0, w.fit.h - 1));
        if (WindowToCanvas(w.fit, w.texW, w.texH, px, py, cx, cy)) {
            x = cx;
            y = cy;
        }
    }

    void toggleFullscreen(WindowId id) {
        auto it = m_windows.find(id);
        // A box or dialog stays as it is; the game's window behind it is the one to switch.
        if (it == m_windows.end() || !it->second.window || it->second.dialog) return;
        Window& w = it->second;
        w.fullscreen = !w.fullscreen;
        SDL_SetWindowBordered(w.window, w.fullscreen ? SDL_FALSE : SDL_TRUE);
        if (w.fullscreen) {
            SDL_Rect screen;
            SDL_GetDisplayBounds(0, &screen);
            SDL_SetWindowPosition(w.window, screen.x, screen.y);
            SDL_SetWindowSize(w.window, screen.w, screen.h);
        } else {
            // A window as large as fits on the screen, keeping the canvas's shape.
            SDL_Rect usable;
            SDL_GetDisplayUsableBounds(0, &usable);
            Rect fit = FitPreservingAspect(w.texW, w.texH, std::min(w.texW, usable.w * 9 / 10),
                                           std::min(w.texH, usable.h * 9 / 10));
            SDL_SetWindowSize(w.window, std::max(1, fit.w), std::max(1, fit.h));
            SDL_SetWindowPosition(w.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }

    bool translate(const SDL_Event& e, InputEvent& ev) {
        using T = InputEvent::Type;
        switch (e.type) {
        case SDL_QUIT:
            ev = {T::Quit};
            return true;
        case SDL_WINDOWEVENT:
            // Uncovered or resized: show the last picture again at once, rather than wait for
            // the game to repaint.
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
                redraw(formOf(e.window.windowID));
                return false;
            }
            if (e.window.event == SDL_WINDOWEVENT_CLOSE) {
                ev = {T::CloseRequest, formOf(e.window.windowID)};
                return ev.window != 0;
            }
            return false;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            int b = e.button.button == SDL_BUTTON_LEFT    ? kLeftButton
                    : e.button.button == SDL_BUTTON_RIGHT ? kRightButton
                                                          : kMiddleButton;
            T type = e.type == SDL_MOUSEBUTTONUP ? T::MouseUp
                                                 : (e.button.clicks == 2 ? T::DoubleClick : T::MouseDown);
            ev = {type, formOf(e.button.windowID),      e.button.x, e.button.y, b,
                  0,    ShiftFromSdl(SDL_GetModState())};
            toCanvas(ev.window, ev.x, ev.y);
            if (type == T::DoubleClick) {
                // A double click is also a second press, as the classic controls see it.
                m_pendingDouble = ev;
                ev.type = T::MouseDown;
                m_hasPendingDouble = true;
            }
            return ev.window != 0;
        }
        case SDL_MOUSEMOTION: {
            int held = 0;
            if (e.motion.state & SDL_BUTTON_LMASK) held |= kLeftButton;
            if (e.motion.state & SDL_BUTTON_RMASK) held |= kRightButton;
            if (e.motion.state & SDL_BUTTON_MMASK) held |= kMiddleButton;
            ev = {T::MouseMove,
                  formOf(e.motion.windowID),
                  e.motion.x,
                  e.motion.y,
                  held,
                  0,
                  ShiftFromSdl(SDL_GetModState())};
            toCanvas(ev.window, ev.x, ev.y);
            return ev.window != 0;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            int code = KeyCodeFromSdl(e.key.keysym.sym);
            if (!code) return false;
            // Alt+Enter switches between the full screen and a window; the game never sees it.
            if (code == kKeyReturn && (e.key.keysym.mod & KMOD_ALT)) {
                if (e.type == SDL_KEYDOWN && !e.key.repeat) toggleFullscreen(formOf(e.key.windowID));
                return false;
            }
            ev = {
                e.type == SDL_KEYDOWN ? T::KeyDown : T::KeyUp,          formOf(e.key.windowID), 0, 0, 0, code,
                ShiftFromSdl(static_cast<SDL_Keymod>(e.key.keysym.mod))};
            return ev.window != 0;
        }
        case SDL_TEXTINPUT: {
            ev = {T::TextInput, formOf(e.text.windowID)};
            ev.text = e.text.text;
            return ev.window != 0;
        }
        default:
            return false;
        }
    }

    SDL_Cursor* systemCursor(int shape) {
        SDL_SystemCursor id = SDL_SYSTEM_CURSOR_ARROW;
        if (shape == kPointerHourglass)
            id = SDL_SYSTEM_CURSOR_WAIT;
        else if (shape == kPointerArrowHourglass)
            id = SDL_SYSTEM_CURSOR_WAITARROW;
        auto it = m_cursors.find(id);
        if (it != m_cursors.end()) return it->second;
        SDL_Cursor* c = SDL_CreateSystemCursor(id);
        m_cursors[id] = c;
        return c;
    }

    SDL_Cursor* customCursor(const Picture& pic) {
        auto it = m_customCursors.find(&pic);
        if (it != m_customCursors.end()) return it->second;
        const Canvas& img = pic.image;
        SDL_Surface* s =
            SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Pixel*>(img.pixels().data()), img.width(),
                                               img.height(), 32, img.width() * 4, SDL_PIXELFORMAT_ARGB8888);
        SDL_Cursor* c = s ? SDL_CreateColorCursor(s, pic.hotX, pic.hotY) : nullptr;
        if (s) SDL_FreeSurface(s);
        m_customCursors[&pic] = c;
        return c;
    }

    std::map<WindowId, Window> m_windows;
    std::vector<WindowId> m_shownOrder; // windows in the order they were shown
    std::map<Uint32, WindowId> m_ids;
    std::map<int, SDL_Cursor*> m_cursors;
    std::map<const Picture*, SDL_Cursor*> m_customCursors;
    SdlAudioOutput m_audio;
    DisplayMode m_override;
    InputEvent m_pendingDouble;
    bool m_hasPendingDouble = false;
};

} // namespace

std::unique_ptr<IBackend> CreateSdlBackend() {
    return std::make_unique<SdlBackend>();
}

} // namespace run::platform
