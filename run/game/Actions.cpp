// Hotspot actions and their consequences: reading the action record and carrying it out, group by
// group as the record grew.
#include "run/game/GamePlay.h"

#include "run/frames/Dialogues.h"
#include "run/frames/FrameTexts.h"
#include "run/frames/FrameTransitions.h"
#include "run/frames/GameMenus.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Hotspots.h"
#include "run/frames/Inventory.h"
#include "run/frames/Plugins.h"
#include "run/frames/TimedEvents.h"
#include "run/media/AudioChannels.h"
#include "run/media/ChannelRequests.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/ScriptHost.h"
#include "run/state/ActionRecord.h"
#include "run/state/GameState.h"
#include "run/state/Variables.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

namespace run {

namespace {

// What reading the record does at once: variables, removing the item or hiding the hotspot,
// stopping sounds, and the channel rows kept for the next changes.
class ImmediateEffects : public ActionEffects {
  public:
    ImmediateEffects(GameState& state, AudioChannels& audio, GameWindow& game, int areaIndex, int objectIndex)
        : m_state(state), m_audio(audio), m_game(game), m_areaIndex(areaIndex), m_objectIndex(objectIndex) {}
    void changeVariable(const std::string& name, std::int16_t value) override {
        ChangeVariableValue(m_state.variables, name, value);
    }
    void disappear() override {
        if (m_objectIndex != 0)
            m_game.inventory().RemovePickedObject(m_objectIndex);
        else
            m_state.variables.Disappear.Add(m_game.frameName(), static_cast<std::int16_t>(m_areaIndex));
    }
    void stopHotspotSound() override { m_audio.StopChannel(6); }
    void stopAllSounds() override { m_audio.StopAnyWavOrMP3(); }
    void channelRows(const ChannelRequestBlock& rows) override { m_audio.StoreHotspotRequests(rows); }

  private:
    GameState& m_state;
    AudioChannels& m_audio;
    GameWindow& m_game;
    int m_areaIndex, m_objectIndex;
};

// The action file, standing at the action record of the click on hotspot `areaIndex` (or of
// item `objectIndex` dropped on it); nothing when there is none.
std::optional<RecordReader> openActionBlock(const ProjectContext& s, const Flags& flags, GameWindow& game,
                                            int areaIndex, int objectIndex) {
    const std::string& frame = game.frameName();
    std::optional<RecordReader> file;
    if (objectIndex != 0) {
        std::string item = game.inventory().itemName(objectIndex);
        std::string path = s.paths.framesData + frame + ".fm0";
        if (!ProjectFileExists(path)) return std::nullopt;
        file.emplace(RecordReader::open(ExistingPath(path)));
        std::string wanted = platform::LowerCaseWin(std::to_string(areaIndex) + "_" + item + ".drg");
        for (;;) {
            if (flags.Quitting || file->atEnd()) return std::nullopt;
            file->readVariant();
            std::string key = file->readVariant().text();
            if (platform::LowerCaseWin(key) == wanted) break;
            file->skipToBlockEnd();
        }
        for (int i = 3; i <= 10; ++i)
            file->readVariant();
    } else {
        std::string path = HasAlternateFile(s.paths, frame, ".fm3", ".mr3");
        if (!ProjectFileExists(path)) return std::nullopt;
        file.emplace(RecordReader::open(ExistingPath(path)));
        for (int block = 1; block < areaIndex; ++block) {
            if (file->atEnd()) return std::nullopt;
            file->skipToBlockEnd();
        }
        if (file->atEnd()) return std::nullopt;
        for (int i = 1; i <= 10; ++i)
            file->readVariant();
    }
    return file;
}

} // namespace

bool GamePlay::openRequestedFrame(bool endDialogue) {
    VBScriptActionModule& a = m_scripts.VBScriptAction();
    GameWindow& game = m_game;
    if (platform::LowerCaseWin(a.sFrameToLoad) == "last visited frame") {
        auto& history = game.history();
        if (history.size() < 2) {
            a.sFrameToLoad.clear();
        } else {
            history.pop_back();
            a.sFrameToLoad = history.back();
        }
    }
    if (a.sFrameToLoad.empty()) return false;
    if (endDialogue) m_dialogues.QuitDialogue();
    std::string frame = a.sFrameToLoad;
    if (a.dTransitionDuration != 0) {
        m_project.trace.note("TransitionStep1 " + std::to_string(a.iTransitionNumber));
        game.transitions().TransitionStep1(a.iTransitionNumber);
        game.OpenFrame(frame, true, a.iTransitionNumber, a.dTransitionDuration);
    } else {
        game.OpenFrame(frame, false, 0, 0);
    }
    return true;
}

void GamePlay::MakeActionAndConsequences(int areaIndex, int objectIndex, bool doNotQuitDialogue) {
    int result = MakeAction(areaIndex, objectIndex, doNotQuitDialogue);
    m_videos.StopOneTimeVideoPlayer();
    if (result == 1) m_game.StartUnloading();
}

// The steps of one hotspot action after its record was read, in the order MakeAction runs them.
class GamePlay::ActionSteps {
  public:
    ActionSteps(GamePlay& play, const ActionRecord& a, int areaIndex, int objectIndex)
        : m_play(play), m_s(play.m_project), m_audio(play.m_audio), m_videos(play.m_videos),
          m_game(play.m_game), m_action(play.m_scripts.VBScriptAction()), m_a(a), m_areaIndex(areaIndex),
          m_objectIndex(objectIndex) {}

    // The plug-in calls and the hotspot's own script; true when the script ended the game.
    bool runScript() {
        VBScriptActionModule& action = m_action;
        action.ResetModule();
        const std::string pluginCode = m_play.m_plugins.ExpandPluginActions(m_a.pluginActions, true);
        const bool hotspotScript = m_a.runScript && !m_a.script.empty();
        if (pluginCode.empty() && !hotspotScript) return false;
        action.iHotspotNumber = m_areaIndex;
        m_play.m_scripts.ExecuteVBScript(pluginCode + "\r\n" + (hotspotScript ? m_a.script : std::string()),
                                         false);
        return action.bStopGame;
    }

    void playSounds() {
        if (m_a.playHotspotSound && !m_a.hotspotSound.empty()) {
            if (!m_audio.ChannelPlaying(6) || m_a.interruptHotspotSound) {
                m_audio.StopChannel(6);
                m_audio.PlayOnChannel(6,
                                      m_play.m_files.ResolveProjectFile(m_s.paths.areas + m_a.hotspotSound),
                                      m_a.loopHotspotSound ? 0 : 1, LevelToVolume(7), m_a.hotspotSound);
            }
        }
        if (m_a.playFrameSound) {
            m_audio.StopChannel(7);
            m_audio.PlayOnChannel(7, m_play.m_files.ResolveProjectFile(m_s.paths.frames + m_a.frameSound), 1,
                                  LevelToVolume(8), m_a.frameSound);
        } else if (m_a.stopFrameSound && !m_a.stopAllSounds) {
            m_audio.StopChannel(7);
        }
    }

    // Extra channel settings of a click. A hotspot without a block there simply has none: the
    // search stops at the end of the file.
    void playExtraChannelSettings(const std::string& frame) {
        if (m_objectIndex != 0 || m_a.stopAllSounds) return;
        std::string path = m_s.paths.framesData + frame + ".fm5";
        if (!ProjectFileExists(path)) return;
        RecordReader extra = RecordReader::open(ExistingPath(path));
        while (!extra.atEnd()) {
            extra.readVariant();
            int index = extra.readInteger();
            if (index == m_areaIndex) {
                for (int i = 3; i <= 10; ++i)
                    extra.readVariant();
                m_audio.PlaySoundChannels(extra);
                break;
            }
            extra.skipToBlockEnd();
        }
    }

    // Whether the frame changes once the action is done: the script asked, or the action goes
    // to a frame or back.
    bool frameChangeComing() {
        const bool goBackComing = m_a.goBack && !m_a.goToFrame && m_game.history().size() > 1;
        return !m_action.sFrameToLoad.empty() || m_a.goToFrame || goBackComing;
    }

    void startVideo() {
        m_game.menus().HideMenus();
        m_videos.PlayPlacedMovie(m_a.videoFile, m_a.videoAtPosition, m_a.videoDefaultPlacement, m_a.videoLeft,
                                 m_a.videoTop, m_a.videoWidth, m_a.videoHeight);
    }

    void waitForVideo(bool frameChangeComing) {
        m_game.hotspots().SetScreenPointerArrow();
        m_videos.WaitForVideoEnd([this] {
            m_game.menus().HideMenus();
            m_s.ui.pump();
        });
        m_game.hotspots().SetScreenPointerDefault();
        if (frameChangeComing) m_audio.CompleteChannelFades();
    }

    // The frame the script asked for, else the action's own; true when a frame was opened.
    bool changeFrame(bool doNotQuitDialogue) {
        if (m_play.openRequestedFrame(!doNotQuitDialogue)) return true;
        auto& history = m_game.history();
        if (!m_a.goToFrame && !(m_a.goBack && history.size() > 1)) return false;
        std::string target = m_a.targetFrame;
        if (!m_a.goToFrame) {
            history.pop_back();
            target = history.back();
        }
        if (!doNotQuitDialogue) m_play.m_dialogues.QuitDialogue();
        if (m_a.transitionKind == 1) {
            m_s.trace.note("TransitionStep1 " + std::to_string(m_a.transitionNumber));
            m_game.transitions().TransitionStep1(m_a.transitionNumber);
            m_game.OpenFrame(target, true, m_a.transitionNumber, m_a.transitionDuration / 1000.0);
        } else {
            m_game.OpenFrame(target, false, 0, 0);
        }
        return true;
    }

    // No frame change: timed events go on and the script's pop-up window opens.
    void stayOnFrame() {
        m_game.timedEvents().StartTimedEvents();
        if (m_action.bPopupLoadGame)
            m_play.ShowLoadGameWindow();
        else if (m_action.bPopupSaveGame)
            m_play.ShowSaveGameWindow();
    }

  private:
    GamePlay& m_play;
    ProjectContext& m_s;
    AudioChannels& m_audio;
    Videos& m_videos;
    GameWindow& m_game;
    VBScriptActionModule& m_action;
    const ActionRecord& m_a;
    int m_areaIndex;
    int m_objectIndex;
};

int GamePlay::MakeAction(int areaIndex, int objectIndex, bool doNotQuitDialogue) {
    ProjectContext& s = m_project;
    Flags& flags = m_flags;
    GameWindow& game = m_game;
    flags.StopMovie = true;
    flags.SkipTransitionRequested = true;
    flags.Quitting = false;
    const std::string& frame = game.frameName();
    ActionRecord a;
    try {
        std::optional<RecordReader> file = openActionBlock(s, flags, game, areaIndex, objectIndex);
        if (!file) return 0;
        ImmediateEffects effects(m_state, m_audio, game, areaIndex, objectIndex);
        if (ReadActionRecord(*file, a, effects) == ActionRead::Quit) return 1;
        file.reset();
        if (flags.Quitting) return 0;

        ActionSteps steps(*this, a, areaIndex, objectIndex);
        if (steps.runScript()) return 1;
        if (flags.Quitting) return 0;
        if (a.pickItem) game.inventory().AddPickedObject(a.itemName, false);
        if (flags.Quitting) return 0;
        steps.playSounds();
        if (flags.Quitting) return 0;
        steps.playExtraChannelSettings(frame);

        const bool frameChangeComing = steps.frameChangeComing();
        if (a.playVideo || !frameChangeComing) {
            m_audio.ApplyChannelRequests();
            m_audio.EnableAudioFadeTimer();
        }
        if (flags.Quitting) return 0;
        if (a.playVideo) steps.startVideo();
        game.hotspots().ShowOrNotShowAreas();
        if (flags.Quitting) return 0;
        if (a.showMessage) game.texts().ShowTextMessage(a.message, a.messageInFrame, false);
        if (flags.Quitting) return 0;
        if (a.playVideo) steps.waitForVideo(frameChangeComing);

        if (flags.Quitting) return 0;
        if (steps.changeFrame(doNotQuitDialogue)) return 2;
        steps.stayOnFrame();
        return 0;
    } catch (const std::exception& e) {
        if (!flags.Quitting) {
            s.showErrorBox(" Unable to make the action associated with the hotspot #" +
                               std::to_string(areaIndex) + ". ",
                           e.what());
        }
        return 0;
    }
}

void GamePlay::PickOrNotPickObject(int areaIndex) {
    ProjectContext& s = m_project;
    GameWindow& game = m_game;
    std::string path = s.paths.framesData + game.frameName() + ".fm4";
    if (!ProjectFileExists(path)) return;
    try {
        RecordReader r = RecordReader::open(ExistingPath(path));
        while (!r.atEnd() && !m_flags.Quitting) {
            r.readVariant();
            int index = r.readInteger();
            if (index != areaIndex) {
                r.skipToBlockEnd();
                continue;
            }
            for (int i = 3; i <= 10; ++i)
                r.readVariant();
            if (r.readVariant().toNumber() == 1) {
                std::string item = r.readString();
                game.inventory().AddPickedObject(item, false);
            }
            break;
        }
    } catch (const std::exception& e) {
        if (!m_flags.Quitting) {
            s.showErrorBox(" Error in the \"PickOrNotPickObject\" procedure.\r\n\r\n", e.what());
        }
    }
}

bool GamePlay::ExecuteVBScriptAndConsequences(const std::string& text, bool resetLastClickPosition) {
    // A script waiting in a box or for a program keeps its requests: a run that cannot start now
    // (the engine refuses it and says so) must not wipe them first.
    if (m_scripts.Running()) return m_scripts.ExecuteVBScript(text, resetLastClickPosition);
    m_scripts.VBScriptAction().ResetModule();
    if (m_scripts.ExecuteVBScript(text, resetLastClickPosition)) return true;
    ExecuteConsequences();
    return false;
}

void GamePlay::ExecuteConsequences(bool offerPopups) {
    m_game.hotspots().ShowOrNotShowAreas();
    VBScriptActionModule& a = m_scripts.VBScriptAction();
    if (a.bStopGame) {
        m_game.StartUnloading();
        return;
    }
    if (!openRequestedFrame(false)) m_game.timedEvents().StartTimedEvents();
    if (!offerPopups) return;
    if (a.bPopupLoadGame)
        ShowLoadGameWindow();
    else if (a.bPopupSaveGame)
        ShowSaveGameWindow();
}

} // namespace run
