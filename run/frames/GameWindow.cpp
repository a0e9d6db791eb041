// The game window's layout, keys and unloading.
#include "run/frames/GameWindow.h"

#include "run/core/Session.h"
#include "run/platform/ui/Keys.h"
#include "run/project/DisplayResolution.h"

namespace run {

using platform::Element;
using platform::ElementKind;

GameWindow::GameWindow(Session& session, std::function<void()> onUnloaded)
    : m_s(session), m_onUnloaded(std::move(onUnloaded)) {
    build();
}

void GameWindow::build() {
    m_form.backColor = 0x000000;
    Element& frame = m_form.addElement(ElementKind::PictureBox, "PictureBox");
    frame.backColor = 0x000000;
    Element& where = m_form.addElement(ElementKind::PictureBox, "picWhere");
    where.visible = false;
    m_form.addTimer("Timer1");
    platform::TimerElement& unload = m_form.addTimer("TimerUnloadMe");
    unload.onTimer = [this] { onUnloadTimer(); };
    m_form.onKeyDown = [this](int key, int shift) { onKeyDown(key, shift); };
    m_form.onUnload = [this] { unloadWindow(); };
}

void GameWindow::load() {
    m_s.flags = Flags{};
    m_form.left = 0;
    m_form.top = 0;
    m_form.enabled = true;
    m_form.caption = m_s.info.AdventureName;
    m_s.ui.load(m_form);
}

void GameWindow::show() { m_s.ui.show(m_form); }

void GameWindow::CenterWindowAndPictureBox() {
    Element& frame = m_form.get("PictureBox");
    int fw = m_s.info.FrameWidth, fh = m_s.info.FrameHeight;
    if (fw <= 0 || fh <= 0) ProjectResolutionSize(m_s.info.ProjectResolution, fw, fh);
    frame.width = fw * platform::kTwipsPerPixel;
    frame.height = fh * platform::kTwipsPerPixel;
    if (m_s.info.KeepMenusVisible) {
        // A normal window whose inside holds the frame picture, centred on the screen.
        m_form.caption = m_s.info.AdventureName + " ";
        m_form.width = frame.width;
        m_form.height = frame.height;
        frame.left = 0;
        frame.top = 0;
        m_s.ui.centre(m_form);
    } else {
        // Maximised over the whole screen, the frame picture centred; its top never above the
        // screen's top edge.
        platform::DisplayMode d = m_s.ui.backend().desktopMode();
        m_form.left = 0;
        m_form.top = 0;
        m_form.width = d.width * platform::kTwipsPerPixel;
        m_form.height = d.height * platform::kTwipsPerPixel;
        frame.left = (m_form.width / 2) - (frame.width / 2);
        frame.top = std::max(0, (m_form.height / 2) - (frame.height / 2));
    }
    Element& where = m_form.get("picWhere");
    where.left = frame.left;
    where.top = frame.top;
    where.width = frame.width;
    where.height = frame.height;
    if (m_form.visible) m_s.ui.backend().move(m_form);
}

void GameWindow::ResetAll() {
    m_s.flags.Quitting = false;
    m_s.pendingLoadGameResolution = 0;
    CenterWindowAndPictureBox();
}

void GameWindow::StartNewGame() {}

void GameWindow::onKeyDown(int keyCode, int shift) {
    if (keyCode == platform::kKeyEscape) {
        m_s.flags.StopMovie = true;
        m_s.flags.SkipTransitionRequested = true;
    }
    if (!m_form.enabled) return;
    if ((shift & platform::kCtrlMask) && keyCode == platform::kKeyA + ('Q' - 'A')) {
        int answer = m_s.ui.messageBox(m_s.uiText[10], platform::kYesNo | platform::kQuestion, m_s.info.AdventureName);
        if (answer == platform::kResultYes) StartUnloading();
    }
}

void GameWindow::StartUnloading() {
    m_s.flags.StopMovie = true;
    m_s.flags.SkipTransitionRequested = true;
    m_s.flags.Quitting = true;
    m_form.mousePointer = platform::kPointerHourglass;
    m_form.enabled = false;
    platform::TimerElement* t = m_form.findTimer("TimerUnloadMe");
    t->setInterval(500);
    t->setEnabled(true);
}

void GameWindow::onUnloadTimer() {
    m_form.enabled = true;
    m_form.mousePointer = platform::kPointerDefault;
    m_form.findTimer("TimerUnloadMe")->setEnabled(false);
    m_s.ui.unload(m_form);
}

void GameWindow::unloadWindow() {
    m_s.ui.pump();
    RestoreDesktopMode(m_s);
    if (m_onUnloaded) m_onUnloaded();
}

} // namespace run
