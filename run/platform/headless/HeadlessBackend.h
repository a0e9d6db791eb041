// The headless backend: a virtual clock that tests advance, input that tests inject, message and
// input boxes that are recorded and answered from a queue once shown (or held open for a script
// to act on), and windows that only keep their placement. Pixels are the same as on screen: the window system
// paints every form, boxes included, in memory.
#pragma once

#include "run/platform/headless/HeadlessAudio.h"
#include "run/platform/ui/Backend.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace run::platform {

struct RecordedBox {
    std::string kind; // "message", "input", or "window" (a window the player draws)
    std::string title;
    std::string text;
    int style = 0;
    std::string answer; // caption of the button chosen, or the text typed
};

class HeadlessBackend : public IBackend {
  public:
    HeadlessBackend();

    // Test controls.
    void advanceClock(std::uint64_t ms) {
        m_now += ms;
        m_audio.advanceTo(m_now);
    }
    // The sound a player would hear, pulled as the clock advances.
    HeadlessAudioOutput& audio() { return m_audio; }
    void setDesktop(DisplayMode mode) { m_desktop = mode; }
    void inject(const InputEvent& ev) { m_events.push_back(ev); }
    // Answers for the next boxes, in order: a button caption ("Yes", "OK" …) for message boxes;
    // the typed text for input boxes (a queued "\x1B" means Cancel).
    void queueAnswer(std::string answer) { m_answers.push_back(std::move(answer)); }
    void queueInput(std::string text) { m_inputs.push_back(std::move(text)); }
    // When on, boxes are not answered from the queues (nor recorded): they wait for injected
    // keys and clicks, as a player answers them.
    void setBoxesWaitForInput(bool on) { m_boxesWaitForInput = on; }
    // When on, each message or input box that opens stays open, unanswered, while a script looks
    // at it and acts on it as a player would; it is recorded once answered, however that
    // happened. Turning it off lets every box held now take its answer.
    void setHoldBoxes(bool on);
    // The innermost box held open and not yet let go (its answer still empty); null when none.
    const RecordedBox* heldBox() const;
    // Lets the innermost held box go: it takes the next queued answer, else its default one.
    void releaseHeldBox();
    const std::vector<RecordedBox>& boxes() const { return m_boxes; }
    const std::vector<std::string>& openedTargets() const { return m_opened; }
    const std::vector<DisplayMode>& modeChanges() const { return m_modeChanges; }
    // Display modes this fake display supports; empty means every mode.
    void setSupportedModes(std::vector<DisplayMode> modes) { m_supported = std::move(modes); }
    // Who lets time pass when the player waits for events with none pending (a long operation
    // such as a transition): given the time the player would wait, it advances the clock. Without
    // one the clock simply moves on by that time.
    void setWaitHandler(std::function<void(std::uint64_t)> handler) { m_waitHandler = std::move(handler); }
    bool windowVisible(WindowId id) const;
    int pointerOf(WindowId id) const;

    // IBackend
    const char* name() const override { return "headless"; }
    std::uint64_t nowMs() override { return m_now; }
    bool pollEvent(InputEvent& ev) override;
    void waitForEvent(int timeoutMs) override;
    bool presentsContinuously() const override { return false; }
    void present(const Form& form, const Canvas& canvas) override;
    void hide(const Form& form) override;
    void destroy(const Form& form) override;
    void move(const Form&) override {}
    void setPointer(const Form& form, int shape, const Picture* custom) override;
    DisplayMode desktopMode() override { return m_desktop; }
    bool setDisplayMode(int width, int height, int refreshRate) override;
    std::optional<int> scriptedMessageBoxAnswer(const MessageBoxRequest& shown) override;
    std::optional<InputBoxAnswer> scriptedInputBoxAnswer(const InputBoxRequest& shown) override;
    bool openWithDefaultHandler(const std::string& target) override;
    void messageBoxAnswered(const MessageBoxRequest& shown, int result) override;
    void inputBoxAnswered(const InputBoxRequest& shown, const std::optional<std::string>& text) override;
    std::optional<WindowReply> scriptedWindowReply(const MessageBoxRequest& shown) override;
    // The clipboard is this process's own: tests read what scripts put there.
    std::string clipboardText() override { return m_clipboard; }
    void setClipboardText(const std::string& utf8) override { m_clipboard = utf8; }
    IAudioOutput& audioOutput() override { return m_audio; }

  private:
    std::uint64_t m_now = 0;
    std::function<void(std::uint64_t)> m_waitHandler;
    DisplayMode m_desktop{1280, 1024, 60, 32};
    std::deque<InputEvent> m_events;
    std::deque<std::string> m_answers;
    std::deque<std::string> m_inputs;
    bool m_boxesWaitForInput = false;
    // Whether the box asking with `request` is held open: it is the innermost held one and not
    // let go, or it is new and boxes are held (it is then added).
    bool holding(const void* request, RecordedBox shown);
    // The boxes held open, the innermost last. A box is known by its request, which stays the same
    // object while the box is open.
    struct Held {
        const void* request;
        RecordedBox box;
        bool released;
    };
    std::vector<Held> m_held;
    bool m_holdBoxes = false;
    std::vector<RecordedBox> m_boxes;
    std::vector<std::string> m_opened;
    std::vector<DisplayMode> m_modeChanges;
    std::vector<DisplayMode> m_supported;
    std::map<WindowId, bool> m_visible;
    std::map<WindowId, int> m_pointer;
    std::string m_clipboard;
    HeadlessAudioOutput m_audio;
};

} // namespace run::platform
