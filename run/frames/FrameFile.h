// The frame file (Frames/<name>.fme): background, music, sounds, video, timer, entry script,
// channel requests and plugin parameters, read group by group as the format grew.
#pragma once

#include "run/media/ChannelRequests.h"

#include <cstdint>
#include <string>

namespace run {

class RecordReader;

// The frame now shown.
// (Its name is the game state's frame: GameWindow::frameName.)
struct CurrentFrameInfo {
    std::int16_t PictureType = 0; // 0 colour, 1 picture, other: background unchanged
    std::string Picture;          // colour number as text, or picture file in the Frames folder
    bool TilePicture = false;
    std::int16_t HotspotCount = 0;
};

struct FrameFile {
    std::int16_t PictureType = 0;
    std::string Picture;
    bool TilePicture = false;
    bool StopMusic = false;
    std::string MusicFile;
    bool TimerEnabled = false;
    std::string TimerSeconds; // as stored: a decimal number as text
    std::string TimerTarget;
    std::string VideoFile;
    bool StopAllSounds = false;
    bool StopFrameSound = false;
    std::string FrameSoundFile;
    bool VideoAtOrigin = false;
    bool VideoUnstretched = false;
    std::int32_t VideoLeft = 0, VideoTop = 0, VideoWidth = 0, VideoHeight = 0;
    bool MusicLoop = true; // True when the file ends before the field
    bool TimerTransition = false;
    std::int32_t TimerTransitionDuration = 0;
    std::int16_t TimerTransitionNumber = 0;
    bool RunEntryScript = false;
    std::string EntryScript; // '|' already replaced by '"'
    ChannelRequestBlock channelRequests;
    bool VideoBeforeFrame = false;
    std::string PluginParameters; // character 254 and '~' as '"', then every '"' doubled
};

// Fields 1–3 only.
void ReadFrameHeaderFields(RecordReader& r, CurrentFrameInfo& info);
// The whole file from its start; stops quietly where an older file ends.
FrameFile ReadFrameFile(RecordReader& r);

// The frame timer's interval: the leading number of TimerSeconds × 1000, rounded. Throws when
// it exceeds the timer's 65535 ms.
int FrameTimerInterval(const std::string& timerSeconds);

} // namespace run
