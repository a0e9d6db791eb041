// The game window's elements, layout, keys, frame timer, history and unloading.
#include "run/frames/GameWindow.h"
#include "run/frames/Components.h"
#include "run/frames/Dialogues.h"
#include "run/frames/KeyboardPlay.h"
#include "run/frames/Plugins.h"
#include "run/frames/RipplingWater.h"
#include "run/project/ProjectContext.h"

#include "run/frames/FrameTexts.h"
#include "run/frames/FrameTransitions.h"
#include "run/frames/GameActions.h"
#include "run/frames/GameHalt.h"
#include "run/frames/GameMenus.h"
#include "run/frames/Hotspots.h"
#include "run/frames/Inventory.h"
#include "run/frames/Scripts.h"
#include "run/frames/TimedEvents.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Keys.h"
#include "run/project/DisplayResolution.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/state/GameState.h"

#include <algorithm>

namespace run {

using platform::Element;
using platform::ElementKind;

GameWindow::GameWindow(const Services& services, std::function<void()> onUnloaded)
    : m_project(services.project), m_flags(services.flags), m_files(services.files), m_state(services.state),
      m_audio(services.audio), m_videos(services.videos), m_dialogues(services.dialogues),
      m_plugins(services.plugins), m_components(services.components), m_halt(services.halt),
      m_scripts(services.scripts), m_actions(services.actions), m_onUnloaded(std::move(onUnloaded)),
      m_inventory(std::make_unique<Inventory>(services, *this)),
      m_timedEvents(
          std::make_unique<TimedEvents>(services.project, services.flags, services.actions, m_form)),
      m_texts(std::make_unique<FrameTexts>(services.project, services.flags, services.state, *this, m_form)),
      m_menus(std::make_unique<GameMenus>(services.project, services.flags, services.state, services.videos,
                                          services.actions, *this, m_form)),
      m_transitions(std::make_unique<FrameTransitions>(services.project, services.flags, services.audio,
                                                       *this, m_form)),
      m_hotspots(std::make_unique<Hotspots>(services.project, services.flags, services.files, services.state,
                                            services.audio, services.videos, services.actions, *this,
                                            m_form)),
      m_water(std::make_unique<RipplingWater>(services.project, services.flags, m_form)),
      m_keyboard(std::make_unique<KeyboardPlay>(services.project, services.flags, *this, m_form)) {
    build();
}

GameWindow::~GameWindow() = default;

void GameWindow::pointerOverFrame(int yPixels) {
    if (!m_inventory->moving()) m_inventory->pointerOverFrame(yPixels);
}

void GameWindow::build() {
    m_form.backColor = 0x000000;
    // The keys of a dialogue's questions and of keyboard play are free in the window otherwise.
    m_form.onKeyDown = [this](int key, int shift) {
        if (m_form.enabled && m_dialogues.onKeyDown(key, shift)) return;
        if (m_keyboard->onKeyDown(key, shift)) return;
        m_menus->onKeyDown(key, shift);
    };
    m_form.onKeyUp = [this](int key, int shift) { m_keyboard->onKeyUp(key, shift); };
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
            m_flags.SkipTransitionRequested = true;
        };
    platform::TimerElement& frameTimer = m_form.addTimer("Timer1");
    frameTimer.onTimer = [this] { onFrameTimer(); };
    // The audio fades' clock: disabled until channel changes start a fade.
    platform::TimerElement& fade = m_form.addTimer("TimerAudioFade");
    fade.setInterval(100);
    fade.onTimer = [this] { m_audio.TimerAudioFade(); };
    platform::TimerElement& unload = m_form.addTimer("TimerUnloadMe");
    unload.onTimer = [this] { onUnloadTimer(); };
    platform::TimerElement& message = m_form.addTimer("TimerMessageBox");
    message.onTimer = [this] { m_texts->hideTextMessage(); };
    // The script timers: element 0 calls the project procedure TimerObject0.
    platform::TimerElement& scriptTimer = m_form.addTimer("TimerObject", 0);
    scriptTimer.onTimer = [this] { m_scripts.TimerObject_Timer(0); };
    m_menus->buildMenus();
    m_water->build();
    m_videos.build(m_form);
    m_components.build(m_form, m_scripts, m_actions);
    buildSpareElements();
    m_dialogues.build(*this, m_actions);
    m_keyboard->build();
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
    box.onClick = [this] { m_texts->hideTextMessage(); };
    label.onClick = [this] { m_texts->hideTextMessage(); };
    box.onMouseMove = [this](const platform::MouseArgs&) { pointerOverFrame(-1); };
    label.onMouseMove = [this](const platform::MouseArgs&) { pointerOverFrame(-1); };
    m_inventory->build(m_form, frame);
}

void GameWindow::load() {
    m_form.left = 0;
    m_form.top = 0;
    m_form.enabled = true;
    m_form.caption = m_project.info.AdventureName;
    m_menus->applyMenuCaptions();
    m_inPlay = true;
    m_audio.attachFadeTimer(m_form.findTimer("TimerAudioFade"));
    m_project.ui.load(m_form);
}

void GameWindow::show() {
    m_project.ui.show(m_form);
}

const std::string& GameWindow::frameName() const {
    return m_state.frame;
}
const std::vector<std::string>& GameWindow::framesHistory() const {
    return m_state.history;
}
std::vector<std::string>& GameWindow::history() {
    return m_state.history;
}
void GameWindow::setCurrentFrameName(const std::string& name) {
    m_state.frame = name;
}

void GameWindow::CenterWindowAndPictureBox() {
    Element& frame = m_form.get("PictureBox");
    int fw = m_project.info.FrameWidth, fh = m_project.info.FrameHeight;
    if (fw <= 0 || fh <= 0) ProjectResolutionSize(m_project.info.ProjectResolution, fw, fh);
    frame.width = fw * platform::kTwipsPerPixel;
    frame.height = fh * platform::kTwipsPerPixel;
    m_form.windowState = m_project.info.KeepMenusVisible ? 0 : 2;
    if (m_project.info.KeepMenusVisible) {
        // A normal window whose inside holds the frame picture, centred on the screen.
        m_form.caption = m_project.info.AdventureName + " ";
        m_form.width = frame.width;
        m_form.height = frame.height + platform::kMenuBarHeight * platform::kTwipsPerPixel;
        frame.left = 0;
        frame.top = platform::kMenuBarHeight * platform::kTwipsPerPixel;
        m_project.ui.centre(m_form);
    } else {
        // Maximised over the whole screen, the frame picture centred; its top never above the
        // screen's top edge.
        platform::DisplayMode d = m_project.ui.backend().desktopMode();
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
    if (m_form.visible) m_project.ui.backend().move(m_form);
}

void GameWindow::frameAreaMouseDown(const platform::MouseArgs& a) {
    m_flags.StopMovie = true;
    m_flags.SkipTransitionRequested = true;
    if (m_videos.IsOneTimeVideoPlaying()) return;
    if (a.button == platform::kRightButton) {
        m_menus->RightClickMenus();
    } else {
        m_menus->HideMenus();
    }
}

void GameWindow::FramesHistoryAdd(const std::string& frameName) {
    if (!m_state.history.empty() && m_state.history.back() == frameName) return;
    m_state.history.push_back(frameName);
    while (m_state.history.size() >= 21)
        m_state.history.erase(m_state.history.begin());
}

void GameWindow::onFrameTimer() {
    platform::TimerElement* t = m_form.findTimer("Timer1");
    // A jump waits while the inventory panel moves, and is tried again a second later.
    if (m_inventory->moving()) {
        t->setInterval(1000);
        return;
    }
    if (m_flags.Quitting) {
        t->setEnabled(false);
        return;
    }
    m_audio.CompleteChannelFades();
    std::string target = platform::LowerCaseWin(t->tag);
    std::string name;
    if (target.empty()) return;
    if (target == "[quit]") {
        StartUnloading();
        return;
    }
    if (target == "[last visited frame]") {
        if (m_state.history.size() <= 1) return;
        m_state.history.pop_back();
        name = m_state.history.back();
    } else {
        name = t->tag;
    }
    if (m_frame.TimerTransition) {
        m_project.trace.note("TransitionStep1 " + std::to_string(m_frame.TimerTransitionNumber));
        m_transitions->TransitionStep1(m_frame.TimerTransitionNumber);
        OpenFrame(name, true, m_frame.TimerTransitionNumber, m_frame.TimerTransitionDuration / 1000.0);
    } else {
        OpenFrame(name, false, 0, 0);
    }
}

void GameWindow::StartUnloading() {
    m_flags.StopMovie = true;
    m_flags.SkipTransitionRequested = true;
    m_flags.Quitting = true;
    m_water->StopRipplingWaterTimer();
    m_form.mousePointer = platform::kPointerHourglass;
    m_form.enabled = false;
    platform::TimerElement* t = m_form.findTimer("TimerUnloadMe");
    t->setInterval(500);
    t->setEnabled(true);
}

void GameWindow::onUnloadTimer() {
    m_form.enabled = true;
    m_hotspots->ApplyDefaultPointer(m_form);
    m_form.findTimer("TimerUnloadMe")->setEnabled(false);
    m_project.ui.unload(m_form);
}

void GameWindow::unloadWindow() {
    m_project.ui.pump();
    m_halt.HaltGame();
    m_components.RemoveComponents();
    m_dialogues.ResetDialogue();
    RestoreDesktopMode(m_project);
    m_inPlay = false;
    m_audio.attachFadeTimer(nullptr);
    if (m_onUnloaded) m_onUnloaded();
}

void GameWindow::EnableOrDisableEffects() {
    m_menus->InvertEffects();
    if (m_flags.effectsDisabled) {
        m_water->StopRipplingWater();
        return;
    }
    // The open frame's water comes back when the frame qualifies, as at its opening.
    if (m_current.PictureType == 1 && !m_current.TilePicture && m_water->LoadWaveEffectIfAny(m_state.frame))
        m_water->StartRipplingWater();
}

} // namespace run
