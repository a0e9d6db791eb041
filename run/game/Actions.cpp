// Reading and carrying out hotspot actions, group by group as the action record grew.
#include "run/game/Actions.h"

#include "run/state/ActionRecord.h"

#include "run/core/Scripts.h"
#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/frames/Inventory.h"
#include "run/game/SoundSteps.h"
#include "run/game/TimedEventSteps.h"
#include "run/media/AudioChannels.h"
#include "run/media/ChannelRequests.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/PluginActions.h"
#include "run/scripting/ScriptSteps.h"
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
    ImmediateEffects(Session& s, GameWindow& game, int areaIndex, int objectIndex)
        : m_s(s), m_game(game), m_areaIndex(areaIndex), m_objectIndex(objectIndex) {}
    void changeVariable(const std::string& name, std::int16_t value) override {
        ChangeVariableValue(m_s.variables, name, value);
    }
    void disappear() override {
        if (m_objectIndex != 0)
            m_game.inventory().RemovePickedObject(m_objectIndex);
        else
            m_s.variables.Disappear.Add(m_game.frameName(), static_cast<std::int16_t>(m_areaIndex));
    }
    void stopHotspotSound() override { StopChannel(m_s, 6); }
    void stopAllSounds() override { StopAnyWavOrMP3(m_s); }
    void channelRows(const ChannelRequestBlock& rows) override { StoreHotspotChannelRequests(m_s, rows); }

  private:
    Session& m_s;
    GameWindow& m_game;
    int m_areaIndex, m_objectIndex;
};

// The action file, standing at the action record of the click on hotspot `areaIndex` (or of
// item `objectIndex` dropped on it); nothing when there is none.
std::optional<RecordReader> openActionBlock(Session& s, GameWindow& game, int areaIndex, int objectIndex) {
    const std::string& frame = game.frameName();
    std::optional<RecordReader> file;
    if (objectIndex != 0) {
        std::string item = game.inventory().itemName(objectIndex);
        std::string path = s.paths.framesData + frame + ".fm0";
        if (!ProjectFileExists(path)) return std::nullopt;
        file.emplace(RecordReader::open(ExistingPath(path)));
        std::string wanted = platform::LowerCaseWin(std::to_string(areaIndex) + "_" + item + ".drg");
        for (;;) {
            if (s.flags.Quitting || file->atEnd()) return std::nullopt;
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

// Goes to the frame the script asked for; true when one was opened.
bool openRequestedFrame(Session& s, GameWindow& game, bool endDialogue) {
    VBScriptActionModule& a = s.VBScriptAction;
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
    if (endDialogue) s.dialogues.EndDialogue();
    std::string frame = a.sFrameToLoad;
    if (a.dTransitionDuration != 0) {
        s.trace.note("TransitionStep1 " + std::to_string(a.iTransitionNumber));
        game.TransitionStep1(a.iTransitionNumber);
        game.OpenFrame(frame, true, a.iTransitionNumber, a.dTransitionDuration);
    } else {
        game.OpenFrame(frame, false, 0, 0);
    }
    return true;
}

} // namespace

void MakeActionAndConsequences(Session& s, GameWindow& game, int areaIndex, int objectIndex,
                               bool doNotQuitDialogue) {
    int result = MakeAction(s, game, areaIndex, objectIndex, doNotQuitDialogue);
    s.videos.StopOneTimeVideoPlayer();
    if (result == 1) game.StartUnloading();
}

namespace {

// The steps of one hotspot action after its record was read, in the order MakeAction runs them.
class ActionSteps {
  public:
    ActionSteps(Session& s, GameWindow& game, const ActionRecord& a, int areaIndex, int objectIndex)
        : m_s(s), m_game(game), m_a(a), m_areaIndex(areaIndex), m_objectIndex(objectIndex) {}

    // The plug-in calls and the hotspot's own script; true when the script ended the game.
    bool runScript() {
        VBScriptActionModule& action = m_s.VBScriptAction;
        action.ResetModule();
        const std::string pluginCode = ExpandPluginActions(m_s, m_a.pluginActions, true);
        const bool hotspotScript = m_a.runScript && !m_a.script.empty();
        if (pluginCode.empty() && !hotspotScript) return false;
        action.iHotspotNumber = m_areaIndex;
        ExecuteVBScript(m_s, pluginCode + "\r\n" + (hotspotScript ? m_a.script : std::string()), false);
        return action.bStopGame;
    }

    void playSounds() {
        if (m_a.playHotspotSound && !m_a.hotspotSound.empty()) {
            if (!ChannelPlaying(m_s, 6) || m_a.interruptHotspotSound) {
                StopChannel(m_s, 6);
                PlayOnChannel(m_s, 6, m_s.files.ResolveProjectFile(m_s.paths.areas + m_a.hotspotSound),
                              m_a.loopHotspotSound ? 0 : 1, LevelToVolume(7), m_a.hotspotSound);
            }
        }
        if (m_a.playFrameSound) {
            StopChannel(m_s, 7);
            PlayOnChannel(m_s, 7, m_s.files.ResolveProjectFile(m_s.paths.frames + m_a.frameSound), 1,
                          LevelToVolume(8), m_a.frameSound);
        } else if (m_a.stopFrameSound && !m_a.stopAllSounds) {
            StopChannel(m_s, 7);
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
                PlaySoundChannels(m_s, extra);
                break;
            }
            extra.skipToBlockEnd();
        }
    }

    // Whether the frame changes once the action is done: the script asked, or the action goes
    // to a frame or back.
    bool frameChangeComing() {
        const bool goBackComing = m_a.goBack && !m_a.goToFrame && m_game.history().size() > 1;
        return !m_s.VBScriptAction.sFrameToLoad.empty() || m_a.goToFrame || goBackComing;
    }

    void startVideo() {
        m_game.HideMenus();
        m_s.videos.PlayPlacedMovie(m_a.videoFile, m_a.videoAtPosition, m_a.videoDefaultPlacement,
                                   m_a.videoLeft, m_a.videoTop, m_a.videoWidth, m_a.videoHeight);
    }

    void waitForVideo(bool frameChangeComing) {
        m_game.SetScreenPointerArrow();
        while (m_s.videos.OneTimeVideoPlaying() && !m_s.flags.StopMovie) {
            m_s.ui.pump();
            m_game.HideMenus();
            m_s.ui.pump();
        }
        m_game.SetScreenPointerDefault();
        m_s.flags.StopMovie = false;
        if (frameChangeComing) CompleteChannelFades(m_s);
    }

    // The frame the script asked for, else the action's own; true when a frame was opened.
    bool changeFrame(bool doNotQuitDialogue) {
        if (openRequestedFrame(m_s, m_game, !doNotQuitDialogue)) return true;
        auto& history = m_game.history();
        if (!m_a.goToFrame && !(m_a.goBack && history.size() > 1)) return false;
        std::string target = m_a.targetFrame;
        if (!m_a.goToFrame) {
            history.pop_back();
            target = history.back();
        }
        if (!doNotQuitDialogue) m_s.dialogues.EndDialogue();
        if (m_a.transitionKind == 1) {
            m_s.trace.note("TransitionStep1 " + std::to_string(m_a.transitionNumber));
            m_game.TransitionStep1(m_a.transitionNumber);
            m_game.OpenFrame(target, true, m_a.transitionNumber, m_a.transitionDuration / 1000.0);
        } else {
            m_game.OpenFrame(target, false, 0, 0);
        }
        return true;
    }

    // No frame change: timed events go on and the script's pop-up window opens.
    void stayOnFrame() {
        StartTimedEvents(m_s);
        if (m_s.VBScriptAction.bPopupLoadGame)
            m_game.ShowLoadGameWindow();
        else if (m_s.VBScriptAction.bPopupSaveGame)
            m_game.ShowSaveGameWindow();
    }

  private:
    Session& m_s;
    GameWindow& m_game;
    const ActionRecord& m_a;
    int m_areaIndex;
    int m_objectIndex;
};

} // namespace

int MakeAction(Session& s, GameWindow& game, int areaIndex, int objectIndex, bool doNotQuitDialogue) {
    s.flags.StopMovie = true;
    s.flags.SkipTransitionRequested = true;
    s.flags.Quitting = false;
    const std::string& frame = game.frameName();
    ActionRecord a;
    try {
        std::optional<RecordReader> file = openActionBlock(s, game, areaIndex, objectIndex);
        if (!file) return 0;
        ImmediateEffects effects(s, game, areaIndex, objectIndex);
        if (ReadActionRecord(*file, a, effects) == ActionRead::Quit) return 1;
        file.reset();
        if (s.flags.Quitting) return 0;

        ActionSteps steps(s, game, a, areaIndex, objectIndex);
        if (steps.runScript()) return 1;
        if (s.flags.Quitting) return 0;
        if (a.pickItem) game.inventory().AddPickedObject(a.itemName, false);
        if (s.flags.Quitting) return 0;
        steps.playSounds();
        if (s.flags.Quitting) return 0;
        steps.playExtraChannelSettings(frame);

        const bool frameChangeComing = steps.frameChangeComing();
        if (a.playVideo || !frameChangeComing) {
            ApplyChannelRequests(s);
            EnableAudioFadeTimer(s);
        }
        if (s.flags.Quitting) return 0;
        if (a.playVideo) steps.startVideo();
        game.ShowOrNotShowAreas();
        if (s.flags.Quitting) return 0;
        if (a.showMessage) game.ShowTextMessage(a.message, a.messageInFrame, false);
        if (s.flags.Quitting) return 0;
        if (a.playVideo) steps.waitForVideo(frameChangeComing);

        if (s.flags.Quitting) return 0;
        if (steps.changeFrame(doNotQuitDialogue)) return 2;
        steps.stayOnFrame();
        return 0;
    } catch (const std::exception& e) {
        if (!s.flags.Quitting) {
            s.showErrorBox(" Unable to make the action associated with the hotspot #" +
                               std::to_string(areaIndex) + ". ",
                           e.what());
        }
        return 0;
    }
}

void PickOrNotPickObject(Session& s, GameWindow& game, int areaIndex) {
    std::string path = s.paths.framesData + game.frameName() + ".fm4";
    if (!ProjectFileExists(path)) return;
    try {
        RecordReader r = RecordReader::open(ExistingPath(path));
        while (!r.atEnd() && !s.flags.Quitting) {
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
        if (!s.flags.Quitting) {
            s.showErrorBox(" Error in the \"PickOrNotPickObject\" procedure.\r\n\r\n", e.what());
        }
    }
}

bool ExecuteVBScriptAndConsequences(Session& s, GameWindow& game, const std::string& text,
                                    bool resetLastClickPosition) {
    // A script waiting in a box or for a program keeps its requests: a run that cannot start now
    // (the engine refuses it and says so) must not wipe them first.
    if (s.scripts && s.scripts->Running()) return ExecuteVBScript(s, text, resetLastClickPosition);
    s.VBScriptAction.ResetModule();
    if (ExecuteVBScript(s, text, resetLastClickPosition)) return true;
    ExecuteConsequences(s, game);
    return false;
}

void ExecuteConsequences(Session& s, GameWindow& game, bool offerPopups) {
    game.ShowOrNotShowAreas();
    VBScriptActionModule& a = s.VBScriptAction;
    if (a.bStopGame) {
        game.StartUnloading();
        return;
    }
    if (!openRequestedFrame(s, game, false)) StartTimedEvents(s);
    if (!offerPopups) return;
    if (a.bPopupLoadGame)
        game.ShowLoadGameWindow();
    else if (a.bPopupSaveGame)
        game.ShowSaveGameWindow();
}

} // namespace run
