// The seven audio channels: frame music, frame sound, hotspot sounds and script channels.
// Placeholder: sound does not play yet; each entry point notes that it ran, in order, so the
// frame and action steps that call it are already in place.
#pragma once

#include "run/media/ChannelRequests.h"

#include <string>

namespace run {

struct Session;
class RecordReader;

void StopAllChannels(Session& s);
// Stops one channel's player at once (channel 1–7).
void StopChannel(Session& s, int channel);
// Stops every player that is playing.
void StopAnyWavOrMP3(Session& s);
bool ChannelPlaying(const Session& s, int channel);
// Plays a file on a channel's player: play count 0 = endless; volume in hundredths of a decibel.
void PlayOnChannel(Session& s, int channel, const std::string& file, int playCount, int volume);
// Stores a hotspot's channel rows as requests (row r for channel r).
void StoreHotspotChannelRequests(Session& s, const ChannelRequestBlock& block);
// Reads and plays an old-sound-system block from the open file.
void PlaySoundChannels(Session& s, RecordReader& r);
// The volume of a level 0–10 in hundredths of a decibel.
int LevelToVolume(double level);
// Frame sound steps 1–4 when a frame opens: stop all sounds, the frame sound, the music; start the music.
void FrameSoundOnOpen(Session& s);
// Frame sound steps 5–6 after the frame is shown: the .chn requests and the frame sound.
void FrameSoundAfterShow(Session& s);
void ApplyChannelRequests(Session& s);
void EnableAudioFadeTimer(Session& s);
// Ends every running fade at once (`StepChannelFades (1)`).
void CompleteChannelFades(Session& s);

} // namespace run
