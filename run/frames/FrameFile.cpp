// Reading frame files.
#include "run/frames/FrameFile.h"

#include "run/project/record/PluginText.h"
#include "run/project/record/RecordFile.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace run {

void ReadFrameHeaderFields(RecordReader& r, CurrentFrameInfo& info) {
    info.PictureType = r.readInteger();
    info.Picture = r.readString();
    info.TilePicture = r.readBoolean();
}

FrameFile ReadFrameFile(RecordReader& r) {
    FrameFile f;
    f.PictureType = r.readInteger();
    f.Picture = r.readString();
    f.TilePicture = r.readBoolean();
    f.StopMusic = r.readBoolean();
    f.MusicFile = r.readString();
    f.TimerEnabled = r.readBoolean();
    f.TimerSeconds = r.readVariant().text();
    f.TimerTarget = r.readString();
    f.VideoFile = r.readString();
    r.readVariant();
    if (r.atEnd()) return f;
    f.StopAllSounds = r.readBoolean();
    f.StopFrameSound = r.readBoolean();
    f.FrameSoundFile = r.readString();
    if (r.atEnd()) return f;
    for (int i = 14; i <= 16; ++i)
        r.readVariant();
    f.VideoAtOrigin = r.readBoolean();
    f.VideoUnstretched = r.readBoolean();
    f.VideoLeft = r.readLong();
    f.VideoTop = r.readLong();
    f.VideoWidth = r.readLong();
    f.VideoHeight = r.readLong();
    if (r.atEnd()) return f;
    f.MusicLoop = r.readBoolean();
    if (r.atEnd()) return f;
    f.TimerTransition = r.readBoolean();
    f.TimerTransitionDuration = r.readLong();
    if (r.atEnd()) return f;
    f.TimerTransitionNumber = r.readInteger();
    if (r.atEnd()) return f;
    f.RunEntryScript = r.readBoolean();
    f.EntryScript = r.readVariant().text();
    std::replace(f.EntryScript.begin(), f.EntryScript.end(), '|', '"');
    if (r.atEnd()) return f;
    for (int i = 29; i <= 34; ++i)
        r.readVariant();
    f.channelRequests = ReadChannelRequestBlock(r, true);
    if (r.atEnd()) return f;
    f.VideoBeforeFrame = r.readBoolean();
    if (r.atEnd()) return f;
    f.PluginParameters = DecodePluginText(r.readVariant().text());
    return f;
}

int FrameTimerInterval(const std::string& timerSeconds) {
    double seconds = LeadingNumber(timerSeconds);
    double ms = std::nearbyint(seconds * 1000.0);
    if (!(ms >= 0 && ms <= 65535)) throw std::out_of_range("Invalid property value");
    return static_cast<int>(ms);
}

} // namespace run
