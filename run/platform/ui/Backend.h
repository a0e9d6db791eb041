// What a backend gives the player: a clock, input, windows to present canvases in, modal boxes,
// the display mode and the shell. Two backends implement it: SDL (a real window) and headless.
#pragma once

#include "run/platform/graphics/Canvas.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/media/AudioOutput.h"
#include "run/platform/ui/Dialogs.h"
#include "run/platform/ui/Form.h"

#include <cstdint>
#include <optional>
#include <string>

namespace run::platform {

struct InputEvent {
    enum class Type {
        MouseDown,
        MouseUp,
        MouseMove,
        DoubleClick,
        KeyDown,
        KeyUp,
        TextInput,
        CloseRequest,
        Quit
    };
    Type type = Type::MouseMove;
    WindowId window = 0;   // 0: the active window
    int x = 0, y = 0;      // pixels from the window's outer top-left corner
    int button = 0;        // MouseButton for down/up/double-click; buttons held for moves
    int keyCode = 0;       // KeyCode for key events
    int shift = 0;         // ShiftState mask
    std::string text = {}; // TextInput: the characters typed, UTF-8
};

// What a script of the player (a play script) answers to a window the player draws itself, such
// as the save and load windows: the text typed first, if any, and the caption of the button
// pressed.
struct WindowReply {
    std::optional<std::string> typed;
    std::string button;
};

struct DisplayMode {
    int width = 0, height = 0; // pixels
    int refreshRate = 0;       // Hz, 0 unknown
    int bitsPerPixel = 32;
};

// Runs pending work while a modal box is open: timers fire and windows repaint, but input does
// not reach the forms behind the box.
class ModalHost {
  public:
    virtual ~ModalHost() = default;
    virtual void pumpWhileModal() = 0;
    virtual std::uint64_t nextTimerDelay() = 0; // ms until the next timer is due (capped)
};

class IBackend {
  public:
    virtual ~IBackend() = default;
    virtual const char* name() const = 0;

    // Milliseconds since an arbitrary start; only ever increases.
    virtual std::uint64_t nowMs() = 0;
    // Takes the next pending input event, if any.
    virtual bool pollEvent(InputEvent& ev) = 0;
    // Blocks until input arrives or `timeoutMs` passes (headless: returns at once).
    virtual void waitForEvent(int timeoutMs) = 0;
    // True when windows should be repainted at every pump (a screen is watching).
    virtual bool presentsContinuously() const = 0;

    // Shows or updates the window of a form with its freshly painted canvas, at the form's
    // screen position; the first call creates the window.
    virtual void present(const Form& form, const Canvas& canvas) = 0;
    virtual void hide(const Form& form) = 0;
    virtual void destroy(const Form& form) = 0;
    // Moves the window of a visible form to its `left`/`top` at once (dragging).
    virtual void move(const Form& form) = 0;
    // The mouse pointer shown over a form: a PointerShape, or a custom picture.
    virtual void setPointer(const Form& form, int shape, const Picture* custom) = 0;

    virtual DisplayMode desktopMode() = 0;
    // Changes the display mode; false when the mode is not supported.
    virtual bool setDisplayMode(int width, int height, int refreshRate) = 0;

    // A message or input box the player shows asks for a scripted answer. A backend that plays
    // scripts gives the next queued one and records the box; others give nothing and the box
    // waits for the user. A box that waits asks again each time it has waited, so a script that
    // held it open can still answer it later.
    virtual std::optional<int> scriptedMessageBoxAnswer(const MessageBoxRequest& shown) {
        static_cast<void>(shown);
        return std::nullopt;
    }
    virtual std::optional<InputBoxAnswer> scriptedInputBoxAnswer(const InputBoxRequest& shown) {
        static_cast<void>(shown);
        return std::nullopt;
    }

    // A box no script answered was answered by the user (or closed without one). A backend that
    // records boxes records those it held open for a script, with the answer given.
    virtual void messageBoxAnswered(const MessageBoxRequest& shown, int result) {
        static_cast<void>(shown);
        static_cast<void>(result);
    }
    virtual void inputBoxAnswered(const InputBoxRequest& shown, const std::optional<std::string>& text) {
        static_cast<void>(shown);
        static_cast<void>(text);
    }

    // A window drawn by the player asks for a scripted reply. A backend that plays scripts gives
    // the next queued one (and records the window as it records boxes); others give nothing and
    // the player uses the window.
    virtual std::optional<WindowReply> scriptedWindowReply(const MessageBoxRequest& shown) {
        static_cast<void>(shown);
        return std::nullopt;
    }

    // Opens a document, web address or "mailto:" address with the user's default handler;
    // false only when the request could not be made at all.
    virtual bool openWithDefaultHandler(const std::string& target) = 0;

    // The system clipboard's plain text (UTF-8); empty when it holds no text.
    virtual std::string clipboardText() = 0;
    virtual void setClipboardText(const std::string& utf8) = 0;

    // The sound device the mixer plays through.
    virtual IAudioOutput& audioOutput() = 0;
};

} // namespace run::platform
