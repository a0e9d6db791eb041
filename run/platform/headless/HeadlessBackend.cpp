// Headless backend: everything a player could see or answer, recorded and scripted.
#include "run/platform/headless/HeadlessBackend.h"

namespace run::platform {

HeadlessBackend::HeadlessBackend() = default;

bool HeadlessBackend::pollEvent(InputEvent& ev) {
    if (m_events.empty()) return false;
    ev = m_events.front();
    m_events.pop_front();
    return true;
}

// Waiting is what moves virtual time on: a wait of t milliseconds simply happens at once.
void HeadlessBackend::waitForEvent(int timeoutMs) {
    if (!m_events.empty()) return;
    const std::uint64_t ms = static_cast<std::uint64_t>(timeoutMs > 0 ? timeoutMs : 1);
    if (m_waitHandler)
        m_waitHandler(ms);
    else
        advanceClock(ms);
}

void HeadlessBackend::present(const Form& form, const Canvas&) {
    m_visible[form.id()] = true;
}
void HeadlessBackend::hide(const Form& form) {
    m_visible[form.id()] = false;
}
void HeadlessBackend::destroy(const Form& form) {
    m_visible.erase(form.id());
    m_pointer.erase(form.id());
}

bool HeadlessBackend::windowVisible(WindowId id) const {
    auto it = m_visible.find(id);
    return it != m_visible.end() && it->second;
}

void HeadlessBackend::setPointer(const Form& form, int shape, const Picture*) {
    m_pointer[form.id()] = shape;
}

int HeadlessBackend::pointerOf(WindowId id) const {
    auto it = m_pointer.find(id);
    return it == m_pointer.end() ? 0 : it->second;
}

bool HeadlessBackend::setDisplayMode(int width, int height, int refreshRate) {
    if (!m_supported.empty()) {
        bool ok = false;
        for (const auto& m : m_supported)
            ok = ok || (m.width == width && m.height == height);
        if (!ok) return false;
    }
    m_desktop.width = width;
    m_desktop.height = height;
    if (refreshRate) m_desktop.refreshRate = refreshRate;
    m_modeChanges.push_back(m_desktop);
    return true;
}

void HeadlessBackend::setHoldBoxes(bool on) {
    m_holdBoxes = on;
    if (!on) {
        for (Held& h : m_held)
            h.released = true;
    }
}

const RecordedBox* HeadlessBackend::heldBox() const {
    return m_held.empty() || m_held.back().released ? nullptr : &m_held.back().box;
}

void HeadlessBackend::releaseHeldBox() {
    if (!m_held.empty()) m_held.back().released = true;
}

bool HeadlessBackend::holding(const void* request, RecordedBox shown) {
    if (!m_held.empty() && m_held.back().request == request) {
        if (!m_held.back().released) return true;
        m_held.pop_back();
        return false;
    }
    if (!m_holdBoxes) return false;
    m_held.push_back({request, std::move(shown), false});
    return true;
}

void HeadlessBackend::messageBoxAnswered(const MessageBoxRequest& shown, int result) {
    if (m_held.empty() || m_held.back().request != &shown) return;
    RecordedBox box = std::move(m_held.back().box);
    m_held.pop_back();
    MessageBoxButton buttons[3];
    const int n = MessageBoxButtons(shown.style, buttons);
    for (int i = 0; i < n; ++i) {
        if (buttons[i].result == result) box.answer = buttons[i].caption;
    }
    m_boxes.push_back(std::move(box));
}

void HeadlessBackend::inputBoxAnswered(const InputBoxRequest& shown, const std::optional<std::string>& text) {
    if (m_held.empty() || m_held.back().request != &shown) return;
    RecordedBox box = std::move(m_held.back().box);
    m_held.pop_back();
    box.answer = text.value_or("<cancel>");
    m_boxes.push_back(std::move(box));
}

std::optional<int> HeadlessBackend::scriptedMessageBoxAnswer(const MessageBoxRequest& request) {
    if (m_boxesWaitForInput) return std::nullopt;
    if (holding(&request, {"message", request.title, request.text, request.style, ""})) return std::nullopt;
    MessageBoxButton buttons[3];
    const int n = MessageBoxButtons(request.style, buttons);
    int result = buttons[MessageBoxDefaultIndex(request.style)].result;
    if (!m_answers.empty()) {
        int wanted = MessageBoxAnswerFromText(request.style, m_answers.front());
        if (wanted) result = wanted;
        m_answers.pop_front();
    }
    std::string caption;
    for (int i = 0; i < n; ++i) {
        if (buttons[i].result == result) caption = buttons[i].caption;
    }
    m_boxes.push_back({"message", request.title, request.text, request.style, caption});
    return result;
}

std::optional<InputBoxAnswer> HeadlessBackend::scriptedInputBoxAnswer(const InputBoxRequest& request) {
    if (m_boxesWaitForInput) return std::nullopt;
    if (holding(&request, {"input", request.title, request.prompt, 0, ""})) return std::nullopt;
    InputBoxAnswer answer{request.defaultText};
    if (!m_inputs.empty()) {
        if (m_inputs.front() == "\x1B")
            answer.text.reset();
        else
            answer.text = m_inputs.front();
        m_inputs.pop_front();
    }
    m_boxes.push_back({"input", request.title, request.prompt, 0, answer.text.value_or("<cancel>")});
    return answer;
}

std::optional<WindowReply> HeadlessBackend::scriptedWindowReply(const MessageBoxRequest& shown) {
    // The same queues as the boxes: a window that waits again takes the next entries. Without
    // an answer the window is cancelled, so a play script never hangs on it.
    WindowReply reply{std::nullopt, "Cancel"};
    if (!m_inputs.empty()) {
        reply.typed = m_inputs.front();
        m_inputs.pop_front();
    }
    if (!m_answers.empty()) {
        reply.button = m_answers.front();
        m_answers.pop_front();
    }
    m_boxes.push_back({"window", shown.title, shown.text, shown.style, reply.button});
    return reply;
}

bool HeadlessBackend::openWithDefaultHandler(const std::string& target) {
    m_opened.push_back(target);
    return true;
}

} // namespace run::platform
