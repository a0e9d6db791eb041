// Reading and carrying out hotspot actions, group by group as the action record grew.
#include "run/state/Actions.h"

#include "run/core/Session.h"
#include "run/frames/GameWindow.h"
#include "run/media/AudioChannels.h"
#include "run/media/ChannelRequests.h"
#include "run/media/Video.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/ScriptSteps.h"
#include "run/state/Inventory.h"
#include "run/state/Variables.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

namespace run {

namespace {

// The fields of an action record the later steps use; defaults where a group is absent.
struct ActionRecord {
    bool showMessage = false;
    std::string message;
    bool goToFrame = false;
    std::string targetFrame;
    bool interruptHotspotSound = false;
    bool stopAllSounds = false;
    bool playVideo = false;
    std::string videoFile;
    bool videoDefaultPlacement = false;
    bool videoAtPosition = false;
    int videoLeft = 0, videoTop = 0, videoWidth = 0, videoHeight = 0;
    bool stopFrameSound = false;
    bool playHotspotSound = false;
    std::string hotspotSound;
    bool playFrameSound = false;
    std::string frameSound;
    bool goBack = false;
    bool messageInFrame = false;
    bool loopHotspotSound = true;
    int transitionKind = 0;
    double transitionDuration = 0;   // ms
    bool runScript = false;
    std::string script;
    int transitionNumber = 0;
    bool pickItem = false;
    std::string itemName;
    std::string pluginActions;
};

bool notZero(const RecordVariant& v) {
    if (v.isEmpty()) return false;
    if (v.kind() == RecordVariant::Kind::String) {
        std::string t = v.text();
        if (t.empty()) return false;
        char* end = nullptr;
        double d = std::strtod(t.c_str(), &end);
        if (end && *end == '\0') return d != 0;
        return true;
    }
    return v.toNumber() != 0;
}

// "Not False": anything but a False value (empty counts as False).
bool notFalse(const RecordVariant& v) { return notZero(v); }

void applyNameList(Session& s, RecordReader& r, bool apply, std::int16_t value) {
    int count = r.readVariant().toLong();
    for (int i = 0; i < count; ++i) {
        std::string name = r.readString();
        if (apply && !name.empty()) ChangeVariableValue(s, name, value);
    }
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
    if (endDialogue) s.note("EndDialogue");
    std::string frame = a.sFrameToLoad;
    if (a.dTransitionDuration != 0) {
        s.note("TransitionStep1 " + std::to_string(a.iTransitionNumber));
        game.OpenFrame(frame, true, a.iTransitionNumber, a.dTransitionDuration);
    } else {
        game.OpenFrame(frame, false, 0, 0);
    }
    return true;
}

} // namespace

void MakeActionAndConsequences(Session& s, GameWindow& game, int areaIndex, int objectIndex, bool doNotQuitDialogue) {
    int result = MakeAction(s, game, areaIndex, objectIndex, doNotQuitDialogue);
    StopOneTimeVideoPlayer(s);
    if (result == 1) game.StartUnloading();
}

int MakeAction(Session& s, GameWindow& game, int areaIndex, int objectIndex, bool doNotQuitDialogue) {
    s.flags.StopMovie = true;
    s.flags.SkipTransitionRequested = true;
    s.flags.Quitting = false;
    const std::string& frame = game.currentFrame().Name;
    ActionRecord a;
    try {
        std::optional<RecordReader> file;
        // Find the block.
        if (objectIndex != 0) {
            std::string item = game.inventory().itemName(objectIndex);
            std::string path = s.paths.framesData + frame + ".fm0";
            if (!ProjectFileExists(path)) return 0;
            file.emplace(RecordReader::open(ExistingPath(path)));
            std::string wanted = platform::LowerCaseWin(std::to_string(areaIndex) + "_" + item + ".drg");
            for (;;) {
                if (s.flags.Quitting || file->atEnd()) return 0;
                file->readVariant();
                std::string key = file->readVariant().text();
                if (platform::LowerCaseWin(key) == wanted) break;
                file->skipToBlockEnd();
            }
            for (int i = 3; i <= 10; ++i) file->readVariant();
        } else {
            std::string path = HasAlternateFile(s.paths, frame, ".fm3", ".mr3");
            if (!ProjectFileExists(path)) return 0;
            file.emplace(RecordReader::open(ExistingPath(path)));
            for (int block = 1; block < areaIndex; ++block) {
                if (file->atEnd()) return 0;
                file->skipToBlockEnd();
            }
            if (file->atEnd()) return 0;
            for (int i = 1; i <= 10; ++i) file->readVariant();
        }
        RecordReader& r = *file;

        // G0: variables, disappearing and quitting act as they are read.
        std::int16_t changeVariable = r.readInteger();
        std::string variable = r.readString();
        bool setZero = notFalse(r.readVariant());
        bool setOne = notFalse(r.readVariant());
        bool toggle = notFalse(r.readVariant());
        if (!variable.empty() && changeVariable != 0) {
            if (setZero) ChangeVariableValue(s, variable, 0);
            if (setOne) ChangeVariableValue(s, variable, 1);
            if (toggle) ChangeVariableValue(s, variable, -1);
        }
        a.showMessage = notZero(r.readVariant());
        a.message = r.readVariant().text();
        r.readInteger();
        r.readString();
        if (notZero(r.readVariant())) {
            if (objectIndex != 0) game.inventory().RemovePickedObject(objectIndex);
            else s.variables.Disappear.Add(frame, static_cast<std::int16_t>(areaIndex));
        }
        if (notZero(r.readVariant())) return 1;
        a.goToFrame = r.readInteger() != 0;
        a.targetFrame = r.readString();

        // Optional groups, each only when the one before was read and the block goes on.
        if (!r.atBlockEnd()) { // G1
            a.interruptHotspotSound = r.readInteger() != 0;
            if (a.interruptHotspotSound) StopChannel(s, 6);
            a.stopAllSounds = r.readInteger() != 0;
            if (a.stopAllSounds) StopAnyWavOrMP3(s);
            a.playVideo = r.readInteger() != 0;
            a.videoFile = r.readString();
            a.videoDefaultPlacement = r.readBoolean();
            a.videoAtPosition = r.readBoolean();
            a.videoLeft = r.readInteger();
            a.videoTop = r.readInteger();
            a.videoWidth = r.readInteger();
            a.videoHeight = r.readInteger();
            if (!r.atBlockEnd()) { // G2
                a.stopFrameSound = notZero(r.readVariant());
                a.playHotspotSound = notZero(r.readVariant());
                a.hotspotSound = r.readVariant().text();
                a.playFrameSound = notZero(r.readVariant());
                a.frameSound = r.readVariant().text();
                if (!r.atBlockEnd()) { // G3
                    for (int i = 29; i <= 31; ++i) r.readVariant();
                    a.goBack = notZero(r.readVariant());
                    if (!r.atBlockEnd()) { // G4
                        for (int i = 33; i <= 35; ++i) r.readVariant();
                        a.messageInFrame = r.readVariant().toBoolean();
                        if (!r.atBlockEnd()) { // G5
                            for (int i = 37; i <= 39; ++i) r.readVariant();
                            bool lists = r.readInteger() != 0;
                            applyNameList(s, r, lists, 0);
                            applyNameList(s, r, lists, 1);
                            applyNameList(s, r, lists, -1);
                            if (!r.atBlockEnd()) { // G6
                                a.loopHotspotSound = r.readBoolean();
                                if (!r.atBlockEnd()) { // G7
                                    a.transitionKind = r.readVariant().toLong();
                                    a.transitionDuration = r.readDouble();
                                    if (!r.atBlockEnd()) { // G8
                                        a.runScript = r.readBoolean();
                                        a.script = r.readVariant().text();
                                        std::replace(a.script.begin(), a.script.end(), '|', '"');
                                        if (!r.atBlockEnd()) { // G9
                                            a.transitionNumber = r.readInteger();
                                            if (!r.atBlockEnd()) { // G10
                                                for (int i = 47; i <= 52; ++i) r.readVariant();
                                                ChannelRequestBlock rows = ReadChannelRequestBlock(r, false);
                                                s.FadeDuration = rows.fadeSeconds;
                                                StoreHotspotChannelRequests(s, rows);
                                                if (!r.atBlockEnd()) { // G11
                                                    a.pickItem = r.readBoolean();
                                                    a.itemName = r.readString();
                                                    if (!r.atBlockEnd()) { // G12
                                                        a.pluginActions = DecodePluginText(r.readVariant().text());
                                                    }
                                                }
                                            }
                                        }
                                    }
                                }
                            }
                        }
                    }
                }
            }
        }
        file.reset();
        if (s.flags.Quitting) return 0;

        // Script.
        VBScriptActionModule& action = s.VBScriptAction;
        action.ResetModule();
        // Plug-in actions become code once plug-ins are loaded; until then they are only noted.
        std::string pluginCode;
        if (!a.pluginActions.empty()) s.note("PluginActions " + a.pluginActions);
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
                PlayOnChannel(s, 6, ResolveProjectFile(s, s.paths.areas + a.hotspotSound), a.loopHotspotSound ? 0 : 1,
                              LevelToVolume(7));
            }
        }
        if (a.playFrameSound) {
            StopChannel(s, 7);
            PlayOnChannel(s, 7, ResolveProjectFile(s, s.paths.frames + a.frameSound), 1, LevelToVolume(8));
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
                        for (int i = 3; i <= 10; ++i) extra.readVariant();
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
            if (a.videoAtPosition) PlayMovieWithStop(s, a.videoFile, false, a.videoLeft, a.videoTop, 0, 0);
            else if (a.videoDefaultPlacement) PlayMovieWithStop(s, a.videoFile, false, 0, 0, 0, 0);
            else PlayMovieWithStop(s, a.videoFile, true, a.videoLeft, a.videoTop, a.videoWidth, a.videoHeight);
        }

        game.ShowOrNotShowAreas();

        if (s.flags.Quitting) return 0;
        if (a.showMessage) game.ShowTextMessage(a.message, a.messageInFrame, false);

        if (s.flags.Quitting) return 0;
        if (a.playVideo) {
            game.SetScreenPointerArrow();
            while (OneTimeVideoPlaying(s) && !s.flags.StopMovie) {
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
            if (!doNotQuitDialogue) s.note("EndDialogue");
            if (a.transitionKind == 1) {
                s.note("TransitionStep1 " + std::to_string(a.transitionNumber));
                game.OpenFrame(target, true, a.transitionNumber, a.transitionDuration / 1000.0);
            } else {
                game.OpenFrame(target, false, 0, 0);
            }
            result = 2;
        }
        if (result != 2) {
            StartTimedEvents(s);
            if (action.bPopupLoadGame) game.ShowLoadGameWindow();
            else if (action.bPopupSaveGame) game.ShowSaveGameWindow();
        }
        return result;
    } catch (const std::exception& e) {
        if (!s.flags.Quitting) {
            s.showErrorBox(" Unable to make the action associated with the hotspot #" + std::to_string(areaIndex) + ". ",
                           e.what());
        }
        return 0;
    }
}

void PickOrNotPickObject(Session& s, GameWindow& game, int areaIndex) {
    std::string path = s.paths.framesData + game.currentFrame().Name + ".fm4";
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
            for (int i = 3; i <= 10; ++i) r.readVariant();
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

bool ExecuteVBScriptAndConsequences(Session& s, GameWindow& game, const std::string& text, bool resetLastClickPosition) {
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
    if (a.bPopupLoadGame) game.ShowLoadGameWindow();
    else if (a.bPopupSaveGame) game.ShowSaveGameWindow();
}

} // namespace run
