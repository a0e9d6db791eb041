// The headless driver.
#include "run/driver/HeadlessDriver.h"

#include "run/platform/ui/Keys.h"

namespace run {

using platform::InputEvent;

HeadlessDriver::HeadlessDriver(PlayerOptions options, platform::DisplayMode desktop) {
    m_backend.setDesktop(desktop);
    m_player = std::make_unique<Player>(m_backend, std::move(options));
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
        int b = platform::TwipsToPixels(f->borderTwips);
        x += b;
        y += b;
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
    const int startLeft = f ? platform::TwipsToPixels(f->left) : 0, startTop = f ? platform::TwipsToPixels(f->top) : 0;
    auto at = [&](InputEvent::Type type, int x, int y, int button) {
        int dx = f ? platform::TwipsToPixels(f->left) - startLeft : 0, dy = f ? platform::TwipsToPixels(f->top) - startTop : 0;
        send({type, 0, x - dx, y - dy, button, 0, 0});
    };
    at(InputEvent::Type::MouseMove, x1, y1, 0);
    at(InputEvent::Type::MouseDown, x1, y1, platform::kLeftButton);
    // The pointer travels in steps, as a hand moves it, so hover effects along the way happen.
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        at(InputEvent::Type::MouseMove, x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps, platform::kLeftButton);
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

void HeadlessDriver::wait(int ms) {
    auto& ui = m_player->ui();
    std::uint64_t left = ms > 0 ? static_cast<std::uint64_t>(ms) : 0;
    ui.pump();
    while (left > 0 && !m_player->ended()) {
        std::uint64_t step = ui.msUntilNextTimer(left);
        if (step == 0) step = 1; // a timer due now fired in the pump; move on
        if (step > left) step = left;
        m_backend.advanceClock(step);
        left -= step;
        ui.pump();
    }
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
        std::string text = b.text;
        for (std::size_t p; (p = text.find("\r\n")) != std::string::npos;) text.replace(p, 2, "\\n");
        for (char& c : text) {
            if (c == '\n') c = ' ';
        }
        out.push_back("box: " + b.kind + " \"" + b.title + "\" \"" + text + "\" -> " + b.answer);
    }
    // What the game handed to the default handlers (mail, web, documents) since the last state.
    const auto& opened = m_backend.openedTargets();
    for (; m_openedReported < opened.size(); ++m_openedReported) out.push_back("opened: " + opened[m_openedReported]);
    return out;
}

} // namespace run
