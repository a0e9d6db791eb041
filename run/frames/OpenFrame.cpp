// Opening frames, and the game reset. OpenFrame is the hub: its steps run in a fixed order and
// call into every subsystem; once the quitting flag is set, the remaining steps are skipped.
#include "run/frames/GameWindow.h"

#include "run/core/Scripts.h"
#include "run/core/Session.h"
#include "run/frames/FrameSound.h"
#include "run/frames/Inventory.h"
#include "run/game/SoundSteps.h"
#include "run/game/TimedEventSteps.h"
#include "run/media/AudioChannels.h"
#include "run/media/Effects.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/PluginActions.h"
#include "run/scripting/ScriptSteps.h"
#include "run/state/Variables.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>

namespace run {

using platform::Element;

namespace {

constexpr const char* kVerifyLinks = "Verify that the 'Initial Frame' exists and that the 'Go to another "
                                     "frame' option in the Hotspot Properties is "
                                     "linked to an existing frame.";

void playFrameVideo(Session& s, const FrameFile& f) {
    s.videos.PlayPlacedMovie(f.VideoFile, f.VideoUnstretched, f.VideoAtOrigin, f.VideoLeft, f.VideoTop,
                             f.VideoWidth, f.VideoHeight);
}

} // namespace

void GameWindow::ClearCurrentFrame() {
    m_current = CurrentFrameInfo{};
    m_s.state.frame.clear();
}

void GameWindow::ReadFrameHeader(const std::string& frameName) {
    m_s.state.frame = frameName;
    try {
        RecordReader r = RecordReader::open(ExistingPath(m_s.paths.frames + frameName + ".fme"));
        ReadFrameHeaderFields(r, m_current);
    } catch (const std::exception& e) {
        m_s.showErrorBox(" Unable to load the frame called '" + frameName + "'. ", e.what());
    }
    m_current.HotspotCount = ReadHotspotCount(frameName);
}

void GameWindow::OpenFrame(const std::string& frameName, bool withTransition, int transitionNumber,
                           double transitionSeconds) {
    Session& s = m_s;
    if (!frameLinkHolds(frameName)) return;
    s.trace.note("OpenFrame " + frameName);
    try {
        leavePreviousFrame(frameName);
        if (s.flags.Quitting) return;
        decideControlsReferenceMode();
        readFrameFile(frameName);
        if (s.flags.Quitting) return;
        const bool videoBefore = !m_frame.VideoFile.empty() && m_frame.VideoBeforeFrame && !withTransition;
        if (videoBefore) playFrameVideoNow(true);
        if (s.flags.Quitting) return;
        if (!loadFrameContents(frameName)) return;
        if (runFrameEntryScripts()) {
            StartUnloading();
            return;
        }
        if (s.flags.Quitting) return;
        showFrameContents(frameName);
        if (s.flags.Quitting) return;
        const bool videoAfter = !m_frame.VideoFile.empty() && (!m_frame.VideoBeforeFrame || withTransition);
        if (videoAfter) s.videos.StopOneTimeVideoPlayer();
        if (s.flags.Quitting) return;
        const bool waterLoaded = loadWaterEffect(frameName);
        startFrameSoundsAndTransition(withTransition, transitionNumber, transitionSeconds);
        s.dialogues.LoadFrameDialogueIfAny(frameName);
        if (s.flags.Quitting) return;
        if (videoAfter) playFrameVideoNow(false);
        waitForFrameVideo();
        if (s.flags.Quitting) return;
        if (!s.flags.effectsDisabled && waterLoaded) s.effects.StartRipplingWater();
        startFrameTimer();
        run::StartTimedEvents(s);
    } catch (const std::exception& e) {
        if (!s.flags.Quitting) {
            s.showErrorBox(" Unable to load the frame called '" + frameName + "'. " + kVerifyLinks + " ",
                           e.what());
        }
    }
}

bool GameWindow::frameLinkHolds(const std::string& frameName) {
    if (frameName.empty()) {
        m_s.showErrorBox(" A program link is broken.");
        return false;
    }
    if (!ProjectFileExists(m_s.paths.frames + frameName + ".fme")) {
        m_s.showErrorBox(" A program link is broken. The frame named \"" + frameName +
                         "\" could not be found. " + kVerifyLinks);
        return false;
    }
    return true;
}

void GameWindow::leavePreviousFrame(const std::string& frameName) {
    platform::TimerElement* frameTimer = m_form.findTimer("Timer1");
    frameTimer->setEnabled(false);
    frameTimer->setInterval(0);
    run::ResetTimedEvents(m_s);
    m_firstMergedHotspot = 1;
    m_mergedTextIndex = 1;
    m_listFile.reset();
    m_s.trace.note("ForgetTransitionDestination");
    ForgetTransitionDestination();
    ClearCurrentFrame();
    ReadFrameHeader(frameName);
}

void GameWindow::decideControlsReferenceMode() {
    if (m_controlsReferenceMode != 0) return;
    bool referenceAll = false, noTimeout = false;
    auto look = [&](const std::string& name) {
        std::string lower = platform::LowerCaseWin(name);
        referenceAll = referenceAll || lower == "reference_all_controls";
        noTimeout = noTimeout || lower == "disable_script_timeout";
    };
    for (const auto& v : m_s.variables.Variables)
        look(v.Name);
    for (const auto& v : m_s.variables.VariablesVariant)
        look(v.Name);
    m_controlsReferenceMode = referenceAll ? 2 : 1;
    if (noTimeout && m_s.scripts) m_s.scripts->DisableTimeouts();
}

void GameWindow::readFrameFile(const std::string& frameName) {
    m_s.trace.note("FramesHistoryAdd " + frameName);
    FramesHistoryAdd(frameName);
    m_s.trace.note("ReadFrameFile");
    {
        RecordReader r = RecordReader::open(ExistingPath(m_s.paths.frames + frameName + ".fme"));
        m_frame = ReadFrameFile(r);
    }
    m_s.trace.note("StoreFrameChannelRequests " + std::to_string(m_frame.channelRequests.entries.size()));
    StoreFrameChannelRequests(m_s, m_frame.channelRequests);
    m_s.effects.StopRipplingWater();
}

void GameWindow::playFrameVideoNow(bool beforeFrame) {
    if (beforeFrame) m_s.videos.StopOneTimeVideoPlayer();
    HideMenus();
    m_s.flags.StopMovie = false;
    playFrameVideo(m_s, m_frame);
}

bool GameWindow::loadFrameContents(const std::string& frameName) {
    Session& s = m_s;
    FrameSoundOnOpen(s, m_frame);
    if (s.flags.Quitting) return false;
    s.trace.note("ResetFrameTexts");
    ResetFrameTexts();
    s.trace.note("ResetFrameAreas");
    ResetFrameAreas();
    if (s.flags.Quitting) return false;
    s.trace.note("DrawBackground");
    drawBackground();
    if (s.flags.Quitting) return false;
    s.trace.note("LoadTexts");
    LoadTexts();
    s.trace.note("ReadHotspotCount");
    m_current.HotspotCount = ReadHotspotCount(frameName);
    s.trace.note("LoadAreas");
    LoadAreas();
    return !s.flags.Quitting;
}

bool GameWindow::runFrameEntryScripts() {
    Session& s = m_s;
    const FrameFile& f = m_frame;
    ResetScriptModule(s);
    const PluginFrameCode plugins = CollectPluginFrameCode(s);
    std::string script = (s.info.RunFrameScript ? s.info.FrameScript : std::string()) + "\r\n" +
                         plugins.before + "\r\n" + ExpandPluginActions(s, f.PluginParameters, false) +
                         "\r\n" + (f.RunEntryScript ? f.EntryScript : std::string()) + "\r\n" + plugins.after;
    bool runIt = (s.info.RunFrameScript && !s.info.FrameScript.empty()) ||
                 (f.RunEntryScript && !f.EntryScript.empty()) || !plugins.before.empty() ||
                 !plugins.after.empty() || !f.PluginParameters.empty();
    return runIt && RunFrameEntryScript(s, script);
}

void GameWindow::showFrameContents(const std::string& frameName) {
    m_s.trace.note("ShowOrNotShowAreas");
    ShowOrNotShowAreas();
    for (Element* item : m_form.arrayMembers("PickedObject")) {
        if (item->index > 0) m_form.zOrder(*item, 0);
    }
    m_form.zOrder(m_form.get("Inventory1"), 0);
    if (m_s.flags.Quitting) return;
    FrameSoundAfterShow(m_s, m_frame, frameName);
}

bool GameWindow::loadWaterEffect(const std::string& frameName) {
    if (m_s.flags.effectsDisabled || m_current.PictureType != 1 || m_current.TilePicture) return false;
    return m_s.effects.LoadWaveEffectIfAny(frameName);
}

void GameWindow::startFrameSoundsAndTransition(bool withTransition, int transitionNumber,
                                               double transitionSeconds) {
    ApplyChannelRequests(m_s);
    if (!withTransition) {
        EnableAudioFadeTimer(m_s);
        return;
    }
    m_s.trace.note("TransitionStep2 " + std::to_string(transitionNumber) + " " +
                   std::to_string(transitionSeconds));
    TransitionStep2(transitionNumber, transitionSeconds);
}

void GameWindow::waitForFrameVideo() {
    SetScreenPointerArrow();
    while (m_s.videos.OneTimeVideoPlaying() && !m_s.flags.StopMovie) {
        m_s.ui.pump();
        HideMenus();
    }
    SetScreenPointerDefault();
    m_s.videos.StopOneTimeVideoPlayer();
    m_s.flags.StopMovie = false;
    m_s.videos.RestartHotspotVideos();
}

void GameWindow::startFrameTimer() {
    const FrameFile& f = m_frame;
    if (!f.TimerEnabled) return;
    platform::TimerElement* frameTimer = m_form.findTimer("Timer1");
    try {
        int interval = FrameTimerInterval(f.TimerSeconds);
        frameTimer->tag = f.TimerTarget;
        frameTimer->setEnabled(true);
        frameTimer->setInterval(interval);
        m_s.trace.note("FrameTimer " + std::to_string(interval) + " " + f.TimerTarget);
    } catch (const std::exception&) {
        frameTimer->setEnabled(false);
        m_s.showErrorBox(" Unable to load timer duration.");
    }
}

void GameWindow::drawBackground() {
    Element& area = m_form.get("PictureBox");
    if (m_current.PictureType == 0) {
        area.picture.reset();
        // The colour is a number held as text; anything else fails the opening, as comparing it
        // with the area's colour does.
        platform::ColorRef colour =
            static_cast<platform::ColorRef>(RecordVariant::string(m_current.Picture).toLong()) & 0xFFFFFF;
        if (colour != area.backColor) area.backColor = colour;
    } else if (m_current.PictureType == 1) {
        area.backColor = 0x000000;
        area.picture.reset();
        std::string file = m_s.files.ResolveProjectFile(m_s.paths.frames + m_current.Picture);
        platform::PictureResult loaded = platform::LoadPictureFile(file);
        if (!loaded.picture) throw std::runtime_error(loaded.error);
        if (!m_current.TilePicture) {
            area.picture = loaded.picture;
        } else {
            // Tiles at x = 0, w, 2w … while x ≤ the area width, and likewise down, so a partial
            // last column and row are covered too.
            int w = platform::TwipsToPixels(area.width), h = platform::TwipsToPixels(area.height);
            auto tiled = std::make_shared<platform::Picture>();
            tiled->image.reset(std::max(1, w), std::max(1, h), 0xFF000000);
            tiled->image.tile(loaded.picture->image, tiled->image.bounds());
            area.picture = tiled;
        }
    }
}

void GameWindow::ResetAll() {
    Session& s = m_s;
    try {
        platform::TimerElement* frameTimer = m_form.findTimer("Timer1");
        frameTimer->setEnabled(false);
        frameTimer->setInterval(0);
        s.trace.note("ResetRipplingWaterAndDialogue");
        s.variables.Variables.Clear();
        s.variables.VariablesVariant.Clear();
        s.variables.Disappear.Clear();
        m_inventory->Reset();
        m_s.state.history.clear();
        m_form.backColor = 0x000000;
        m_form.get("PictureBox").backColor = 0x000000;
        m_controlsReferenceMode = 0;
        s.flags.StopMovie = true;
        s.flags.SkipTransitionRequested = true;
        s.flags.Quitting = false;
        s.flags.pendingLoadGameResolution = 0;
        CenterWindowAndPictureBox();
        hideTextMessage();
        ResetDefaultPointer();
        rebuildFrameList();
        applyMenuOption3();
        s.trace.note("LoadPlugins");
        LoadVariables(s, s.variables);
        if (s.scripts) s.scripts->GameReset();
        s.flags.transitionsDisabled =
            platform::LowerCaseWin(s.getUserSetting("DisableTransitions", "False")) == "true";
        s.flags.effectsDisabled =
            platform::LowerCaseWin(s.getUserSetting("DisableEffects", "False")) == "true";
        applyOptionsFromSettings();
        if (s.info.KeepMenusVisible)
            ShowMenus();
        else
            HideMenus();
        StopAllChannels(s);
    } catch (const std::exception& e) {
        s.showErrorBox(" Unable to initialize the program. ", e.what());
    }
}

void GameWindow::StartNewGame() {
    m_s.state.frame = m_s.info.InitialFrame;
    if (m_s.scripts) m_s.scripts->ExecuteOnLoadVBScript();
    OpenFrame(m_s.info.InitialFrame, false, 0, 0);
}

} // namespace run
