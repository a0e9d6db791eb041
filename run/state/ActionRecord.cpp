#include "run/state/ActionRecord.h"

#include "run/project/record/PluginText.h"
#include "run/project/record/RecordFile.h"

#include <algorithm>
#include <cstdlib>

namespace run {

namespace {

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
bool notFalse(const RecordVariant& v) {
    return notZero(v);
}

void skip(RecordReader& r, int fields) {
    for (int i = 0; i < fields; ++i)
        r.readVariant();
}

// A count, then that many names; each name is set when `apply` holds.
void nameList(RecordReader& r, bool apply, std::int16_t value, ActionEffects& effects) {
    int count = r.readVariant().toLong();
    for (int i = 0; i < count; ++i) {
        std::string name = r.readString();
        if (apply && !name.empty()) effects.changeVariable(name, value);
    }
}

} // namespace

ActionRead ReadActionRecord(RecordReader& r, ActionRecord& a, ActionEffects& effects) {
    // The fixed part: variables, disappearing and quitting act as they are read.
    std::int16_t changeVariable = r.readInteger();
    std::string variable = r.readString();
    bool setZero = notFalse(r.readVariant());
    bool setOne = notFalse(r.readVariant());
    bool toggle = notFalse(r.readVariant());
    if (!variable.empty() && changeVariable != 0) {
        if (setZero) effects.changeVariable(variable, 0);
        if (setOne) effects.changeVariable(variable, 1);
        if (toggle) effects.changeVariable(variable, -1);
    }
    a.showMessage = notZero(r.readVariant());
    a.message = r.readVariant().text();
    r.readInteger();
    r.readString();
    if (notZero(r.readVariant())) effects.disappear();
    if (notZero(r.readVariant())) return ActionRead::Quit;
    a.goToFrame = r.readInteger() != 0;
    a.targetFrame = r.readString();

    // The optional groups, each only when the one before was read and the block goes on.
    if (r.atBlockEnd()) return ActionRead::Read; // sounds to stop, the video
    a.interruptHotspotSound = r.readInteger() != 0;
    if (a.interruptHotspotSound) effects.stopHotspotSound();
    a.stopAllSounds = r.readInteger() != 0;
    if (a.stopAllSounds) effects.stopAllSounds();
    a.playVideo = r.readInteger() != 0;
    a.videoFile = r.readString();
    a.videoDefaultPlacement = r.readBoolean();
    a.videoAtPosition = r.readBoolean();
    a.videoLeft = r.readInteger();
    a.videoTop = r.readInteger();
    a.videoWidth = r.readInteger();
    a.videoHeight = r.readInteger();

    if (r.atBlockEnd()) return ActionRead::Read; // the hotspot and frame sounds
    a.stopFrameSound = notZero(r.readVariant());
    a.playHotspotSound = notZero(r.readVariant());
    a.hotspotSound = r.readVariant().text();
    a.playFrameSound = notZero(r.readVariant());
    a.frameSound = r.readVariant().text();

    if (r.atBlockEnd()) return ActionRead::Read; // going back in the history
    skip(r, 3);
    a.goBack = notZero(r.readVariant());

    if (r.atBlockEnd()) return ActionRead::Read; // where the message shows
    skip(r, 3);
    a.messageInFrame = r.readVariant().toBoolean();

    if (r.atBlockEnd()) return ActionRead::Read; // variable lists (read in full either way)
    skip(r, 3);
    bool lists = r.readInteger() != 0;
    nameList(r, lists, 0, effects);
    nameList(r, lists, 1, effects);
    nameList(r, lists, -1, effects);

    if (r.atBlockEnd()) return ActionRead::Read; // the hotspot sound's looping
    a.loopHotspotSound = r.readBoolean();

    if (r.atBlockEnd()) return ActionRead::Read; // the transition and its duration
    a.transitionKind = r.readVariant().toLong();
    a.transitionDuration = r.readDouble();

    if (r.atBlockEnd()) return ActionRead::Read; // the script
    a.runScript = r.readBoolean();
    a.script = r.readVariant().text();
    std::replace(a.script.begin(), a.script.end(), '|', '"');

    if (r.atBlockEnd()) return ActionRead::Read; // the transition number
    a.transitionNumber = r.readInteger();

    if (r.atBlockEnd()) return ActionRead::Read; // the audio channel requests
    skip(r, 6);
    effects.channelRows(ReadChannelRequestBlock(r, false));

    if (r.atBlockEnd()) return ActionRead::Read; // the item to pick up
    a.pickItem = r.readBoolean();
    a.itemName = r.readString();

    if (r.atBlockEnd()) return ActionRead::Read; // plug-in action references
    a.pluginActions = DecodePluginText(r.readVariant().text());
    return ActionRead::Read;
}

} // namespace run
