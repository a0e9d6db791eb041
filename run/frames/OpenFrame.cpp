// Opening frames, and the game reset. OpenFrame is the hub: its steps run in a fixed order and
// call into every subsystem; once the quitting flag is set, the remaining steps are skipped.
#include "run/frames/FrameTexts.h"
#include "run/frames/FrameTransitions.h"
#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/frames/TimedEvents.h"
#include "run/project/ProjectContext.h"

#include "run/frames/Components.h"
#include "run/frames/Dialogues.h"
#include "run/frames/FrameSound.h"
#include "run/frames/Inventory.h"
#include "run/frames/KeyboardPlay.h"
#include "run/frames/Plugins.h"
#include "run/frames/RipplingWater.h"
#include "run/frames/Scripts.h"
#include "run/media/AudioChannels.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/record/RecordFile.h"
#include "run/state/GameState.h"
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

void playFrameVideo(Videos& videos, const FrameFile& f) {
    videos.PlayPlacedMovie(f.VideoFile, f.VideoUnstretched, f.VideoAtOrigin, f.VideoLeft, f.VideoTop,
                           f.VideoWidth, f.VideoHeight);
}

} // namespace

void GameWindow::ClearCurrentFrame() {
    m_current = CurrentFrameInfo{};
    m_state.frame.clear();
}

void GameWindow::ReadFrameHeader(const std::string& frameName) {
    m_state.frame = frameName;
    try {
        RecordReader r = RecordReader::open(ExistingPath(m_project.paths.frames + frameName + ".fme"));
        ReadFrameHeaderFields(r, m_current);
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Unable to load the frame called '" + frameName + "'. ", e.what());
    }
    m_current.HotspotCount = m_hotspots->ReadHotspotCount(frameName);
}

void GameWindow::OpenFrame(const std::string& frameName, bool withTransition, int transitionNumber,
                           double transitionSeconds) {
    if (!frameLinkHolds(frameName)) return;
    m_project.trace.note("OpenFrame " + frameName);
    try {
        m_keyboard->reset(); // the highlight belonged to the frame being left
        leavePreviousFrame(frameName);
        if (m_flags.Quitting) return;
        decideControlsReferenceMode();
        readFrameFile(frameName);
        if (m_flags.Quitting) return;
        const bool videoBefore = !m_frame.VideoFile.empty() && m_frame.VideoBeforeFrame && !withTransition;
        if (videoBefore) playFrameVideoNow(true);
        if (m_flags.Quitting) return;
        if (!loadFrameContents(frameName)) return;
        if (runFrameEntryScripts()) {
            StartUnloading();
            return;
        }
        if (m_flags.Quitting) return;
        showFrameContents(frameName);
        if (m_flags.Quitting) return;
        const bool videoAfter = !m_frame.VideoFile.empty() && (!m_frame.VideoBeforeFrame || withTransition);
        if (videoAfter) m_videos.StopOneTimeVideoPlayer();
        if (m_flags.Quitting) return;
        const bool waterLoaded = loadWaterEffect(frameName);
        startFrameSoundsAndTransition(withTransition, transitionNumber, transitionSeconds);
        m_dialogues.LoadFrameDialogueIfAny(frameName);
        if (m_flags.Quitting) return;
        if (videoAfter) playFrameVideoNow(false);
        waitForFrameVideo();
        if (m_flags.Quitting) return;
        if (!m_flags.effectsDisabled && waterLoaded) m_water->StartRipplingWater();
        startFrameTimer();
        m_timedEvents->StartTimedEvents();
    } catch (const std::exception& e) {
        if (!m_flags.Quitting) {
            m_project.showErrorBox(
                " Unable to load the frame called '" + frameName + "'. " + kVerifyLinks + " ", e.what());
        }
    }
}

bool GameWindow::frameLinkHolds(const std::string& frameName) {
    if (frameName.empty()) {
        m_project.showErrorBox(" A program link is broken.");
        return false;
    }
    if (!ProjectFileExists(m_project.paths.frames + frameName + ".fme")) {
        m_project.showErrorBox(" A program link is broken. The frame named \"" + frameName +
                               "\" could not be found. " + kVerifyLinks);
        return false;
    }
    return true;
}

void GameWindow::leavePreviousFrame(const std::string& frameName) {
    platform::TimerElement* frameTimer = m_form.findTimer("Timer1");
    frameTimer->setEnabled(false);
    frameTimer->setInterval(0);
    m_timedEvents->ResetTimedEvents();
    m_hotspots->forgetFrame();
    m_texts->forgetMergedText();
    m_project.trace.note("ForgetTransitionDestination");
    m_transitions->ForgetTransitionDestination();
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
    for (const auto& v : m_state.variables.Variables)
        look(v.Name);
    for (const auto& v : m_state.variables.VariablesVariant)
        look(v.Name);
    m_controlsReferenceMode = referenceAll ? 2 : 1;
    if (noTimeout) m_scripts.DisableTimeouts();
}

void GameWindow::readFrameFile(const std::string& frameName) {
    m_project.trace.note("FramesHistoryAdd " + frameName);
    FramesHistoryAdd(frameName);
    m_project.trace.note("ReadFrameFile");
    {
        RecordReader r = RecordReader::open(ExistingPath(m_project.paths.frames + frameName + ".fme"));
        m_frame = ReadFrameFile(r);
    }
    m_project.trace.note("StoreFrameChannelRequests " +
                         std::to_string(m_frame.channelRequests.entries.size()));
    m_audio.StoreFrameRequests(m_frame.channelRequests);
    m_water->StopRipplingWater();
}

void GameWindow::playFrameVideoNow(bool beforeFrame) {
    if (beforeFrame) m_videos.StopOneTimeVideoPlayer();
    m_menus->HideMenus();
    m_flags.StopMovie = false;
    playFrameVideo(m_videos, m_frame);
}

bool GameWindow::loadFrameContents(const std::string& frameName) {
    FrameSoundOnOpen(m_project, m_files, m_audio, m_frame);
    if (m_flags.Quitting) return false;
    m_project.trace.note("ResetFrameTexts");
    m_texts->ResetFrameTexts();
    m_project.trace.note("ResetFrameAreas");
    m_hotspots->ResetFrameAreas();
    if (m_flags.Quitting) return false;
    m_project.trace.note("DrawBackground");
    drawBackground();
    if (m_flags.Quitting) return false;
    m_project.trace.note("LoadTexts");
    m_texts->LoadTexts();
    m_project.trace.note("ReadHotspotCount");
    m_current.HotspotCount = m_hotspots->ReadHotspotCount(frameName);
    m_project.trace.note("LoadAreas");
    m_hotspots->LoadAreas();
    return !m_flags.Quitting;
}

bool GameWindow::runFrameEntryScripts() {
    const FrameFile& f = m_frame;
    m_project.trace.note("ResetScriptModule");
    m_scripts.VBScriptAction().ResetModule();
    const PluginFrameCode plugins = m_plugins.CollectPluginFrameCode();
    std::string script = (m_project.info.RunFrameScript ? m_project.info.FrameScript : std::string()) +
                         "\r\n" + plugins.before + "\r\n" +
                         m_plugins.ExpandPluginActions(f.PluginParameters, false) + "\r\n" +
                         (f.RunEntryScript ? f.EntryScript : std::string()) + "\r\n" + plugins.after;
    bool runIt = (m_project.info.RunFrameScript && !m_project.info.FrameScript.empty()) ||
                 (f.RunEntryScript && !f.EntryScript.empty()) || !plugins.before.empty() ||
                 !plugins.after.empty() || !f.PluginParameters.empty();
    if (!runIt) return false;
    m_project.trace.note("RunFrameEntryScript");
    m_scripts.ExecuteVBScript(script, false);
    return m_scripts.VBScriptAction().bStopGame;
}

void GameWindow::showFrameContents(const std::string& frameName) {
    m_project.trace.note("ShowOrNotShowAreas");
    m_hotspots->ShowOrNotShowAreas();
    for (Element* item : m_form.arrayMembers("PickedObject")) {
        if (item->index > 0) m_form.zOrder(*item, 0);
    }
    m_form.zOrder(m_form.get("Inventory1"), 0);
    if (m_flags.Quitting) return;
    FrameSoundAfterShow(m_project, m_files, m_audio, m_frame, frameName);
}

bool GameWindow::loadWaterEffect(const std::string& frameName) {
    if (m_flags.effectsDisabled || m_current.PictureType != 1 || m_current.TilePicture) return false;
    return m_water->LoadWaveEffectIfAny(frameName);
}

void GameWindow::startFrameSoundsAndTransition(bool withTransition, int transitionNumber,
                                               double transitionSeconds) {
    m_audio.ApplyChannelRequests();
    if (!withTransition) {
        m_audio.EnableAudioFadeTimer();
        return;
    }
    m_project.trace.note("TransitionStep2 " + std::to_string(transitionNumber) + " " +
                         std::to_string(transitionSeconds));
    m_transitions->TransitionStep2(transitionNumber, transitionSeconds);
}

void GameWindow::waitForFrameVideo() {
    m_hotspots->SetScreenPointerArrow();
    m_videos.WaitForVideoEnd([this] { m_menus->HideMenus(); });
    m_hotspots->SetScreenPointerDefault();
    m_videos.StopOneTimeVideoPlayer();
    m_flags.StopMovie = false;
    m_videos.RestartHotspotVideos();
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
        m_project.trace.note("FrameTimer " + std::to_string(interval) + " " + f.TimerTarget);
    } catch (const std::exception&) {
        frameTimer->setEnabled(false);
        m_project.showErrorBox(" Unable to load timer duration.");
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
        std::string file = m_files.ResolveProjectFile(m_project.paths.frames + m_current.Picture);
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
    try {
        platform::TimerElement* frameTimer = m_form.findTimer("Timer1");
        frameTimer->setEnabled(false);
        frameTimer->setInterval(0);
        m_project.trace.note("ResetRipplingWaterAndDialogue");
        m_form.findTimer("TimerRipplingWater")->setEnabled(false);
        m_dialogues.ResetDialogue();
        m_state.variables.Variables.Clear();
        m_state.variables.VariablesVariant.Clear();
        m_state.variables.Disappear.Clear();
        m_inventory->Reset();
        m_state.history.clear();
        m_form.backColor = 0x000000;
        m_form.get("PictureBox").backColor = 0x000000;
        m_controlsReferenceMode = 0;
        m_flags.StopMovie = true;
        m_flags.SkipTransitionRequested = true;
        m_flags.Quitting = false;
        m_flags.pendingLoadGameResolution = 0;
        CenterWindowAndPictureBox();
        m_texts->hideTextMessage();
        m_hotspots->ResetDefaultPointer();
        m_menus->rebuildFrameList();
        m_menus->applyMenuOption3();
        m_components.ResetComponents();
        m_plugins.LoadPlugins();
        const PluginVariables declared = m_plugins.DeclaredVariables();
        LoadVariables(m_project, m_state.variables, declared.integers, declared.variants);
        m_scripts.GameReset();
        m_components.BuildAllEventsList();
        m_flags.transitionsDisabled =
            platform::LowerCaseWin(m_project.getUserSetting("DisableTransitions", "False")) == "true";
        m_flags.effectsDisabled =
            platform::LowerCaseWin(m_project.getUserSetting("DisableEffects", "False")) == "true";
        m_flags.keyboardPlay =
            platform::LowerCaseWin(m_project.getUserSetting("KeyboardPlay", "True")) != "false";
        m_menus->applyOptionsFromSettings();
        if (m_project.info.KeepMenusVisible)
            m_menus->ShowMenus();
        else
            m_menus->HideMenus();
        m_audio.StopAllChannels();
    } catch (const std::exception& e) {
        m_project.showErrorBox(" Unable to initialize the program. ", e.what());
    }
}

void GameWindow::StartNewGame() {
    m_state.frame = m_project.info.InitialFrame;
    m_scripts.ExecuteOnLoadVBScript();
    OpenFrame(m_project.info.InitialFrame, false, 0, 0);
}

} // namespace run
