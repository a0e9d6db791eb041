// The action record of a hotspot action (FramesData/<frame>.fm3, .mr3 and .fm0 blocks): group 0
// and the optional groups 1 to 12 that later versions of the editor added, read field by field.
// The reader acts on some fields as it reads them, as the game always has, so a record damaged
// further on keeps the effects of the fields before the damage.
#pragma once

#include "run/media/ChannelRequests.h"
#include "run/project/record/RecordReader.h"

#include <cstdint>
#include <string>

namespace run {

// The fields the steps after reading use; defaults where a group is absent.
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
    double transitionDuration = 0; // ms
    bool runScript = false;
    std::string script; // the bars already turned into double quotes
    int transitionNumber = 0;
    bool pickItem = false;
    std::string itemName;
    std::string pluginActions;
};

// What reading does at once, in file order.
class ActionEffects {
  public:
    virtual ~ActionEffects() = default;
    // Sets an integer variable (-1 toggles it).
    virtual void changeVariable(const std::string& name, std::int16_t value) = 0;
    // Removes the used item, or makes the clicked hotspot disappear.
    virtual void disappear() = 0;
    virtual void stopHotspotSound() = 0;
    virtual void stopAllSounds() = 0;
    virtual void channelRows(const ChannelRequestBlock& rows) = 0;
};

enum class ActionRead { Read, Quit };

// Reads the record from the reader's position (after the block's leading fields). Quit: the
// record asks to quit the game, and nothing after that field was read. Throws the record
// errors of a damaged record.
ActionRead ReadActionRecord(RecordReader& r, ActionRecord& a, ActionEffects& effects);

} // namespace run
