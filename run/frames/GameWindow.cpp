// The game window's elements, layout, keys, frame timer, history and unloading.
#include "run/frames/GameWindow.h"

#include "run/core/Scripts.h"
#include "run/core/Session.h"
#include "run/frames/Inventory.h"
#include "run/game/LoadGameWindow.h"
#include "run/game/SaveGameWindow.h"
#include "run/game/SoundSteps.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Keys.h"
#include "run/project/DisplayResolution.h"
#include "run/project/FileLookup.h"

#include <algorithm>

namespace run {

using platform::Element;
using platform::ElementKind;

GameWindow::GameWindow(Session& session, std::function<void()> onUnloaded)
    : m_s(session), m_onUnloaded(std::move(onUnloaded)),
      m_inventory(std::make_unique<Inventory>(session, *this)) {
    build();
}

GameWindow::~GameWindow() = default;

void GameWindow::pointerOverFrame(int yPixels) {
    if (!m_inventory->moving()) m_inventory->pointerOverFrame(yPixels);
}

void GameWindow::build() {
    m_form.backColor = 0x000000;
    m_form.onKeyDown = [this](int key, int shift) { onKeyDown(key, shift); };
    m_form.onUnload = [this] { unloadWindow(); };
    m_form.onMouseDown = [this](const platform::MouseArgs& a) { frameAreaMouseDown(a); };
    buildFrameElements();
    // The transition surface and the old and new frames' pictures inside it.
    Element& where = m_form.addElement(ElementKind::PictureBox, "picWhere");
    where.visible = false;
    for (const char* name : {"picStart", "picEnd"}) {
        Element& p = m_form.addElement(ElementKind::PictureBox, name);
        p.container = &where;
        p.visible = false;
    }
    // A click on a running transition only ends it.
    for (const char* name : {"picWhere", "picStart", "picEnd"})
        m_form.get(name).onMouseDown = [this](const platform::MouseArgs&) {
            m_s.flags.SkipTransitionRequested = true;
        };
    platform::TimerElement& frameTimer = m_form.addTimer("Timer1");
    frameTimer.onTimer = [this] { onFrameTimer(); };
    // The audio fades' clock: disabled until channel changes start a fade.
    platform::TimerElement& fade = m_form.addTimer("TimerAudioFade");
    fade.setInterval(100);
    fade.onTimer = [this] {
        if (m_s.audio) m_s.audio->TimerAudioFade();
    };
    platform::TimerElement& unload = m_form.addTimer("TimerUnloadMe");
    unload.onTimer = [this] { onUnloadTimer(); };
    platform::TimerElement& message = m_form.addTimer("TimerMessageBox");
    message.onTimer = [this] { hideTextMessage(); };
    // The script timers: element 0 calls the project procedure TimerObject0.
    platform::TimerElement& scriptTimer = m_form.addTimer("TimerObject", 0);
    scriptTimer.onTimer = [this] {
        if (m_s.scripts) m_s.scripts->TimerObject_Timer(0);
    };
    buildMenus();
    buildSpareElements();
}

// Elements the game window keeps for scripts: hidden spare controls a script may show, move
// and fill, and the templates of the arrays that scripts, timed events, dialogues and animated
// pictures load members from. The kinds stand nearest to what each control shows.
void GameWindow::buildSpareElements() {
    const struct {
        const char* name;
        ElementKind kind;
        int index;
    } spares[] = {
        {"CheckBox", ElementKind::CheckBox, -1},      {"LineObject", ElementKind::PictureBox, -1},
        {"Shape", ElementKind::PictureBox, -1},       {"TextBox", ElementKind::TextBox, -1},
        {"PicBox", ElementKind::PictureBox, -1},      {"ListBox", ElementKind::TextBox, -1},
        {"ImgBox", ElementKind::Image, -1},           {"FileBox", ElementKind::TextBox, -1},
        {"DirBox", ElementKind::TextBox, -1},         {"DriveBox", ElementKind::TextBox, -1},
        {"fmeDialogue", ElementKind::PictureBox, -1}, {"lblDialogue", ElementKind::Label, 0},
        {"PicRipplingWater", ElementKind::Image, -1}, {"AniGif", ElementKind::Image, 0},
    };
    for (const auto& s : spares) {
        if (m_form.find(s.name, s.index)) continue;
        m_form.addElement(s.kind, s.name, s.index).visible = false;
    }
    m_form.addTimer("TimedEvent", 0);
    m_form.addTimer("timerSimulateHotspotClick", 0);
}

void GameWindow::buildFrameElements() {
    Element& frame = m_form.addElement(ElementKind::PictureBox, "PictureBox");
    frame.backColor = 0x000000;
    frame.onMouseDown = [this](const platform::MouseArgs& a) { frameAreaMouseDown(a); };
    frame.onMouseMove = [this](const platform::MouseArgs& a) {
        pointerOverFrame(platform::TwipsToPixels(a.y));
    };
    // The background image lies under everything of the frame and takes the clicks that miss
    // every hotspot and text.
    Element& back = m_form.addElement(ElementKind::Image, "BackImage");
    back.container = &frame;
    back.onMouseDown = [this](const platform::MouseArgs& a) { frameAreaMouseDown(a); };
    back.onMouseMove = [this](const platform::MouseArgs& a) {
        pointerOverFrame(platform::TwipsToPixels(a.y));
    };

    Element& area = m_form.addElement(ElementKind::Image, "Area", 0);
    area.container = &frame;
    area.visible = false;
    Element& text = m_form.addElement(ElementKind::Label, "Text", 0);
    text.container = &frame;
    text.visible = false;
    text.autoSize = true;
    text.backTransparent = true;
    text.font = {"Arial", 10};

    Element& box = m_form.addElement(ElementKind::PictureBox, "FrameMessageBox");
    box.container = &frame;
    box.visible = false;
    box.backColor = 0x000000;
    box.border = true;
    Element& label = m_form.addElement(ElementKind::Label, "LabelMessageBox");
    label.container = &box;
    label.visible = false;
    label.backTransparent = true;
    label.foreColor = 0xFFFFFF;
    label.alignment = platform::Alignment::Center;
    label.wordWrap = true;
    label.autoSize = true;
    label.font = {"Arial", 12, true};
    box.onClick = [this] { hideTextMessage(); };
    label.onClick = [this] { hideTextMessage(); };
    box.onMouseMove = [this](const platform::MouseArgs&) { pointerOverFrame(-1); };
    label.onMouseMove = [this](const platform::MouseArgs&) { pointerOverFrame(-1); };
    m_inventory->build(m_form, frame);
}

void GameWindow::load() {
    m_form.left = 0;
    m_form.top = 0;
    m_form.enabled = true;
    m_form.caption = m_s.info.AdventureName;
    applyMenuCaptions();
    m_s.game = this;
    if (m_s.audio) m_s.audio->attachFadeTimer(m_form.findTimer("TimerAudioFade"));
    m_s.ui.load(m_form);
}

void GameWindow::show() {
    m_s.ui.show(m_form);
}

const std::string& GameWindow::frameName() const {
    return m_s.state.frame;
}
const std::vector<std::string>& GameWindow::framesHistory() const {
    return m_s.state.history;
}
std::vector<std::string>& GameWindow::history() {
    return m_s.state.history;
}
void GameWindow::setCurrentFrameName(const std::string& name) {
    m_s.state.frame = name;
}

void GameWindow::CenterWindowAndPictureBox() {
    Element& frame = m_form.get("PictureBox");
    int fw = m_s.info.FrameWidth, fh = m_s.info.FrameHeight;
    if (fw <= 0 || fh <= 0) ProjectResolutionSize(m_s.info.ProjectResolution, fw, fh);
    frame.width = fw * platform::kTwipsPerPixel;
    frame.height = fh * platform::kTwipsPerPixel;
    m_form.windowState = m_s.info.KeepMenusVisible ? 0 : 2;
    if (m_s.info.KeepMenusVisible) {
        // A normal window whose inside holds the frame picture, centred on the screen.
        m_form.caption = m_s.info.AdventureName + " ";
        m_form.width = frame.width;
        m_form.height = frame.height + platform::kMenuBarHeight * platform::kTwipsPerPixel;
        frame.left = 0;
        frame.top = platform::kMenuBarHeight * platform::kTwipsPerPixel;
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
    Element& back = m_form.get("BackImage");
    back.left = back.top = 0;
    back.width = frame.width;
    back.height = frame.height;
    Element& where = m_form.get("picWhere");
    where.left = frame.left;
    where.top = frame.top;
    where.width = frame.width;
    where.height = frame.height;
    if (m_form.visible) m_s.ui.backend().move(m_form);
}

void GameWindow::frameAreaMouseDown(const platform::MouseArgs& a) {
    m_s.flags.StopMovie = true;
    m_s.flags.SkipTransitionRequested = true;
    if (m_s.videos.OneTimeVideoPlaying()) return;
    if (a.button == platform::kRightButton) {
        RightClickMenus();
    } else {
        HideMenus();
    }
}

void GameWindow::FramesHistoryAdd(const std::string& frameName) {
    if (!m_s.state.history.empty() && m_s.state.history.back() == frameName) return;
    m_s.state.history.push_back(frameName);
    while (m_s.state.history.size() >= 21)
        m_s.state.history.erase(m_s.state.history.begin());
}

void GameWindow::onFrameTimer() {
    platform::TimerElement* t = m_form.findTimer("Timer1");
    // A jump waits while the inventory panel moves, and is tried again a second later.
    if (m_inventory->moving()) {
        t->setInterval(1000);
        return;
    }
    if (m_s.flags.Quitting) {
        t->setEnabled(false);
        return;
    }
    CompleteChannelFades(m_s);
    std::string target = platform::LowerCaseWin(t->tag);
    std::string name;
    if (target.empty()) return;
    if (target == "[quit]") {
        StartUnloading();
        return;
    }
    if (target == "[last visited frame]") {
        if (m_s.state.history.size() <= 1) return;
        m_s.state.history.pop_back();
        name = m_s.state.history.back();
    } else {
        name = t->tag;
    }
    if (m_frame.TimerTransition) {
        m_s.trace.note("TransitionStep1 " + std::to_string(m_frame.TimerTransitionNumber));
        TransitionStep1(m_frame.TimerTransitionNumber);
        OpenFrame(name, true, m_frame.TimerTransitionNumber, m_frame.TimerTransitionDuration / 1000.0);
    } else {
        OpenFrame(name, false, 0, 0);
    }
}

void GameWindow::StartUnloading() {
    m_s.flags.StopMovie = true;
    m_s.flags.SkipTransitionRequested = true;
    m_s.flags.Quitting = true;
    m_s.trace.note("StopRipplingWaterTimer");
    m_form.mousePointer = platform::kPointerHourglass;
    m_form.enabled = false;
    platform::TimerElement* t = m_form.findTimer("TimerUnloadMe");
    t->setInterval(500);
    t->setEnabled(true);
}

void GameWindow::onUnloadTimer() {
    m_form.enabled = true;
    ApplyDefaultPointer(m_form);
    m_form.findTimer("TimerUnloadMe")->setEnabled(false);
    m_s.ui.unload(m_form);
}

void GameWindow::unloadWindow() {
    m_s.ui.pump();
    HaltGame(m_s);
    m_s.trace.note("RemoveComponents");
    RestoreDesktopMode(m_s);
    m_s.game = nullptr;
    if (m_s.audio) m_s.audio->attachFadeTimer(nullptr);
    if (m_onUnloaded) m_onUnloaded();
}

} // namespace run
