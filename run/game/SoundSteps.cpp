#include "run/game/SoundSteps.h"

#include "run/core/Session.h"
#include "run/media/AudioChannels.h"

namespace run {

void StopAllChannels(Session& s) {
    s.trace.note("StopAllChannels");
    if (s.audio) s.audio->StopAllChannels();
}
void StopChannel(Session& s, int channel) {
    if (s.audio) s.audio->StopChannel(channel);
}
void StopAnyWavOrMP3(Session& s) {
    if (s.audio) s.audio->StopAnyWavOrMP3();
}
bool ChannelPlaying(const Session& s, int channel) {
    return s.audio && s.audio->ChannelPlaying(channel);
}
void PlayOnChannel(Session& s, int channel, const std::string& path, int playCount, int volume,
                   const std::string& named) {
    if (s.audio) s.audio->PlayOnChannel(channel, path, playCount, volume, named);
}
void StoreHotspotChannelRequests(Session& s, const ChannelRequestBlock& block) {
    if (s.audio) s.audio->StoreHotspotRequests(block);
}
void StoreFrameChannelRequests(Session& s, const ChannelRequestBlock& block) {
    if (s.audio) s.audio->StoreFrameRequests(block);
}
void ApplyChannelRequests(Session& s) {
    s.trace.note("ApplyChannelRequests");
    if (s.audio) s.audio->ApplyChannelRequests();
}
void EnableAudioFadeTimer(Session& s) {
    s.trace.note("EnableAudioFadeTimer");
    if (s.audio) s.audio->EnableAudioFadeTimer();
}
void StepChannelFades(Session& s, double fraction) {
    if (s.audio) s.audio->StepChannelFades(fraction);
}
void CompleteChannelFades(Session& s) {
    s.trace.note("CompleteChannelFades");
    if (s.audio) s.audio->StepChannelFades(1);
}

void PlaySoundChannels(Session& s, RecordReader& r) {
    if (s.audio) s.audio->PlaySoundChannels(r);
}

} // namespace run
