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

        // Script.
        VBScriptActionModule& action = s.VBScriptAction;
        action.ResetModule();
        const std::string pluginCode = ExpandPluginActions(s, a.pluginActions, true);
        bool hotspotScript = a.runScript && !a.script.empty();
        if (!pluginCode.empty() || hotspotScript) {
            action.iHotspotNumber = areaIndex;
            ExecuteVBScript(s, pluginCode + "\r\n" + (hotspotScript ? a.script : std::string()), false);
            if (action.bStopGame) return 1;
        }
        if (s.flags.Quitting) return 0;

        if (a.pickItem) game.inventory().AddPickedObject(a.itemName, false);

        // Sounds.
        if (s.flags.Quitting) return 0;
        if (a.playHotspotSound && !a.hotspotSound.empty()) {
            if (!ChannelPlaying(s, 6) || a.interruptHotspotSound) {
                StopChannel(s, 6);
                PlayOnChannel(s, 6, s.files.ResolveProjectFile(s.paths.areas + a.hotspotSound),
                              a.loopHotspotSound ? 0 : 1, LevelToVolume(7), a.hotspotSound);
            }
        }
        if (a.playFrameSound) {
            StopChannel(s, 7);
            PlayOnChannel(s, 7, s.files.ResolveProjectFile(s.paths.frames + a.frameSound), 1,
                          LevelToVolume(8), a.frameSound);
        } else if (a.stopFrameSound && !a.stopAllSounds) {
            StopChannel(s, 7);
        }

        // Extra channel settings of a click. A hotspot without a block there simply has none:
        // the search stops at the end of the file.
        if (s.flags.Quitting) return 0;
        if (objectIndex == 0 && !a.stopAllSounds) {
            std::string path = s.paths.framesData + frame + ".fm5";
            if (ProjectFileExists(path)) {
                RecordReader extra = RecordReader::open(ExistingPath(path));
                while (!extra.atEnd()) {
                    extra.readVariant();
                    int index = extra.readInteger();
                    if (index == areaIndex) {
                        for (int i = 3; i <= 10; ++i)
                            extra.readVariant();
                        PlaySoundChannels(s, extra);
                        break;
                    }
                    extra.skipToBlockEnd();
                }
            }
        }

        auto& history = game.history();
        bool goBackComing = a.goBack && !a.goToFrame && history.size() > 1;
        bool frameChangeComing = !action.sFrameToLoad.empty() || a.goToFrame || goBackComing;
        if (a.playVideo || !frameChangeComing) {
            ApplyChannelRequests(s);
            EnableAudioFadeTimer(s);
        }

        // Video.
        if (s.flags.Quitting) return 0;
        if (a.playVideo) {
            game.HideMenus();
            s.videos.PlayPlacedMovie(a.videoFile, a.videoAtPosition, a.videoDefaultPlacement, a.videoLeft,
                                     a.videoTop, a.videoWidth, a.videoHeight);
        }

        game.ShowOrNotShowAreas();

        if (s.flags.Quitting) return 0;
        if (a.showMessage) game.ShowTextMessage(a.message, a.messageInFrame, false);

        if (s.flags.Quitting) return 0;
        if (a.playVideo) {
            game.SetScreenPointerArrow();
            while (s.videos.OneTimeVideoPlaying() && !s.flags.StopMovie) {
                s.ui.pump();
                game.HideMenus();
                s.ui.pump();
            }
            game.SetScreenPointerDefault();
            s.flags.StopMovie = false;
            if (frameChangeComing) CompleteChannelFades(s);
        }

        // Frame change.
        if (s.flags.Quitting) return 0;
        int result = 0;
        if (openRequestedFrame(s, game, !doNotQuitDialogue)) {
            result = 2;
        } else if (a.goToFrame || (a.goBack && history.size() > 1)) {
            std::string target = a.targetFrame;
            if (!a.goToFrame) {
                history.pop_back();
                target = history.back();
            }
            if (!doNotQuitDialogue) s.dialogues.EndDialogue();
            if (a.transitionKind == 1) {
                s.trace.note("TransitionStep1 " + std::to_string(a.transitionNumber));
                game.TransitionStep1(a.transitionNumber);
                game.OpenFrame(target, true, a.transitionNumber, a.transitionDuration / 1000.0);
            } else {
                game.OpenFrame(target, false, 0, 0);
            }
            result = 2;
        }
        if (result != 2) {
            StartTimedEvents(s);
            if (action.bPopupLoadGame)
                game.ShowLoadGameWindow();
            else if (action.bPopupSaveGame)
                game.ShowSaveGameWindow();
        }
        return result;
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
