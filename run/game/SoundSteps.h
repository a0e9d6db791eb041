// What the frame, action and halting steps ask of the sound, on the session's audio channels; a
// session without sound does nothing. The steps whose order tests check are reported to the trace.
#pragma once

#include "run/media/ChannelRequests.h"

#include <string>

namespace run {

struct Session;
class RecordReader;

void StopAllChannels(Session& s);
void StopChannel(Session& s, int channel);
void StopAnyWavOrMP3(Session& s);
bool ChannelPlaying(const Session& s, int channel);
void PlayOnChannel(Session& s, int channel, const std::string& path, int playCount, int volume,
                   const std::string& named);
void StoreHotspotChannelRequests(Session& s, const ChannelRequestBlock& block);
void StoreFrameChannelRequests(Session& s, const ChannelRequestBlock& block);
void PlaySoundChannels(Session& s, RecordReader& r);
void ApplyChannelRequests(Session& s);
void EnableAudioFadeTimer(Session& s);
void StepChannelFades(Session& s, double fraction);
// Ends every running fade at once (`StepChannelFades (1)`).
void CompleteChannelFades(Session& s);

} // namespace run
