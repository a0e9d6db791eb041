// The headless driver.
#include "run/driver/HeadlessDriver.h"

#include "run/platform/ui/Keys.h"

#include <algorithm>

namespace run {

using platform::InputEvent;

HeadlessDriver::HeadlessDriver(PlayerOptions options, platform::DisplayMode desktop) {
    m_backend.setDesktop(desktop);
    m_player = std::make_unique<Player>(m_backend, std::move(options));
    m_backend.setWaitHandler([this](std::uint64_t ms) { letTimePass(ms); });
}

HeadlessDriver::~HeadlessDriver() = default;

void HeadlessDriver::start() {
    m_player->start();
    m_player->ui().pump();
}

void HeadlessDriver::toWindow(int& x, int& y) {
    platform::Form* f = m_player->ui().activeForm();
    if (!f) return;
    if (f == &m_player->game().form()) {
        platform::Rect r = platform::ElementRectOnForm(f->get("PictureBox"));
        x += r.x;
        y += r.y;
    } else {
        // The inside of a box or dialog lies below the title bar the player draws for it.
        x += platform::TwipsToPixels(f->insideLeft());
        y += platform::TwipsToPixels(f->insideTop());
    }
}

void HeadlessDriver::send(InputEvent ev) {
    m_backend.inject(ev);
    m_player->ui().pump();
}

void HeadlessDriver::click(int x, int y, int button) {
    toWindow(x, y);
    send({InputEvent::Type::MouseMove, 0, x, y, 0, 0, 0});
    send({InputEvent::Type::MouseDown, 0, x, y, button, 0, 0});
    send({InputEvent::Type::MouseUp, 0, x, y, button, 0, 0});
}

void HeadlessDriver::move(int x, int y) {
    toWindow(x, y);
    send({InputEvent::Type::MouseMove, 0, x, y, 0, 0, 0});
}

void HeadlessDriver::drag(int x1, int y1, int x2, int y2) {
    toWindow(x1, y1);
    toWindow(x2, y2);
    // The pointer travels over the screen: a window dragged along by its body moves under it, so
    // each position is taken relative to where the window stands at that moment.
    const platform::Form* f = m_player->ui().activeForm();
    const int startLeft = f ? platform::TwipsToPixels(f->left) : 0,
              startTop = f ? platform::TwipsToPixels(f->top) : 0;
    auto at = [&](InputEvent::Type type, int x, int y, int button) {
        int dx = f ? platform::TwipsToPixels(f->left) - startLeft : 0,
            dy = f ? platform::TwipsToPixels(f->top) - startTop : 0;
        send({type, 0, x - dx, y - dy, button, 0, 0});
    };
    at(InputEvent::Type::MouseMove, x1, y1, 0);
    at(InputEvent::Type::MouseDown, x1, y1, platform::kLeftButton);
    // The pointer travels in steps, as a hand moves it, so hover effects along the way happen.
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        at(InputEvent::Type::MouseMove, x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps,
           platform::kLeftButton);
    }
    at(InputEvent::Type::MouseUp, x2, y2, platform::kLeftButton);
}

bool HeadlessDriver::key(const std::string& name) {
    int code = 0, shift = 0;
    if (!platform::ParseKeyName(name, code, shift)) return false;
    send({InputEvent::Type::KeyDown, 0, 0, 0, 0, code, shift});
    send({InputEvent::Type::KeyUp, 0, 0, 0, 0, code, shift});
    return true;
}

platform::BoxForm* HeadlessDriver::heldBox() {
    platform::BoxForm* box = m_player->ui().openBox();
    return m_backend.heldBox() && box && !box->answered() ? box : nullptr;
}

bool HeadlessDriver::answer(const std::string& buttonCaption) {
    if (platform::BoxForm* box = heldBox()) return box->press(buttonCaption);
    m_backend.queueAnswer(buttonCaption);
    return true;
}

void HeadlessDriver::type(const std::string& text) {
    if (!heldBox()) {
        m_backend.queueInput(text);
        return;
    }
    InputEvent ev{InputEvent::Type::TextInput, 0, 0, 0, 0, 0, 0};
    ev.text = text;
    send(ev);
}

void HeadlessDriver::wait(int ms) {
    m_timeGiven = ms > 0 ? static_cast<std::uint64_t>(ms) : 0;
    // Asked for by nested steps: the transition or the held box spends this time.
    if (m_nestedDepth > 0) return;
    auto& ui = m_player->ui();
    ui.pump();
    while (m_timeGiven > 0 && !m_player->ended()) {
        std::uint64_t step = ui.msUntilNextTimer(m_timeGiven);
        if (step == 0) step = 1; // a timer due now fired in the pump; move on
        if (step > m_timeGiven) step = m_timeGiven;
        m_backend.advanceClock(step);
        m_timeGiven -= step;
        ui.pump();
    }
    m_timeGiven = 0;
}

HeadlessDriver::Nested HeadlessDriver::longWait() {
    const Flags& flags = m_player->flags();
    if (flags.TransitionRunning && !flags.SkipTransitionRequested) return Nested::Transition;
    if (flags.VideoWaitRunning && !flags.StopMovie) return Nested::Video;
    if (flags.DialogueAnswerWaiting) return Nested::Answer;
    return Nested::Nothing;
}

bool HeadlessDriver::nestedGoesOn() {
    switch (m_inside) {
    case Nested::Transition:
    case Nested::Video:
    case Nested::Answer:
        return longWait() == m_inside;
    case Nested::Box:
        return heldBox() != nullptr;
    default:
        return false;
    }
}

bool HeadlessDriver::runNested(Nested inside) {
    const Nested outer = m_inside;
    m_inside = inside;
    ++m_nestedDepth;
    const bool more = m_nestedSteps();
    --m_nestedDepth;
    m_inside = outer;
    if (!more) m_stepsFinished = true;
    return more;
}

bool HeadlessDriver::letTimePassOnHeldBox(std::uint64_t ms) {
    platform::BoxForm* box = heldBox();
    if (!box) {
        m_waitingIn = nullptr;
        return false;
    }
    if (m_waitingIn != box) {
        // A box that opens during a wait ends it: the next steps see the box as it opened.
        m_timeGiven = 0;
        if (m_nestedSteps && !m_stepsFinished) {
            runNested(Nested::Box);
            // Answered: it goes back to the game with no time passing.
            if (heldBox() != box) return true;
        }
        // With no steps left nobody answers the box: it takes its default answer, as when not held.
        if (!m_nestedSteps || m_stepsFinished) {
            m_backend.releaseHeldBox();
            return true;
        }
        m_waitingIn = box;
    }
    // A wait passes with the box open (its timers run), then the box takes its default answer.
    ms = std::min(ms, m_timeGiven);
    m_timeGiven -= ms;
    if (m_timeGiven == 0) {
        m_waitingIn = nullptr;
        m_backend.releaseHeldBox();
    }
    m_backend.advanceClock(ms);
    return true;
}

void HeadlessDriver::letTimePass(std::uint64_t ms) {
    if (letTimePassOnHeldBox(ms)) return;
    // A transition or a video being waited for takes only the time the steps give it; when that
    // is spent, the next steps run here, in the middle of it, until one gives time again.
    const Nested inside = longWait();
    if (m_nestedSteps && !m_stepsFinished && inside != Nested::Nothing) {
        while (m_timeGiven == 0 && !m_stepsFinished && longWait() == inside)
            runNested(inside);
        if (m_timeGiven > 0 && longWait() == inside) {
            ms = std::min(ms, m_timeGiven);
            m_timeGiven -= ms;
        }
    }
    m_backend.advanceClock(ms);
}

platform::Canvas HeadlessDriver::screenshot() {
    platform::Form* f = m_player->ui().activeForm();
    if (!f) return {};
    return m_player->ui().paintedCanvas(*f);
}

platform::Pixel HeadlessDriver::pixel(int x, int y) {
    platform::Form* f = m_player->ui().activeForm();
    if (!f) return 0;
    toWindow(x, y);
    return m_player->ui().paintedCanvas(*f).pixel(x, y);
}

std::vector<std::string> HeadlessDriver::state() {
    std::vector<std::string> out = m_player->describeState();
    const auto& boxes = m_backend.boxes();
    for (; m_boxesReported < boxes.size(); ++m_boxesReported) {
        const auto& b = boxes[m_boxesReported];
        out.push_back("box: " + b.kind + " " + QuotedStateText(b.title) + " " + QuotedStateText(b.text) +
                      " -> " + b.answer);
    }
    // A box held open is listed as it waits for its answer.
    if (const platform::RecordedBox* b = heldBox() ? m_backend.heldBox() : nullptr)
        out.push_back("box: " + b->kind + " " + QuotedStateText(b->title) + " " + QuotedStateText(b->text) +
                      " (open)");
    // What the game handed to the default handlers (mail, web, documents) since the last state.
    const auto& opened = m_backend.openedTargets();
    for (; m_openedReported < opened.size(); ++m_openedReported)
        out.push_back("opened: " + opened[m_openedReported]);
    return out;
}

} // namespace run
