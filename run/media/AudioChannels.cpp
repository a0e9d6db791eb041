// Audio channel entry points (placeholders until sound playback lands).
#include "run/media/AudioChannels.h"

#include "run/core/Session.h"
#include "run/project/record/RecordFile.h"


namespace run {

void StopAllChannels(Session& s) { s.note("StopAllChannels"); }
void FrameSoundOnOpen(Session& s) { s.note("FrameSoundOnOpen"); }
void FrameSoundAfterShow(Session& s) { s.note("FrameSoundAfterShow"); }
void ApplyChannelRequests(Session& s) { s.note("ApplyChannelRequests"); }
void EnableAudioFadeTimer(Session& s) { s.note("EnableAudioFadeTimer"); }
void CompleteChannelFades(Session& s) { s.note("CompleteChannelFades"); }
void StopChannel(Session& s, int channel) { s.note("StopChannel " + std::to_string(channel)); }
void StopAnyWavOrMP3(Session& s) { s.note("StopAnyWavOrMP3"); }
bool ChannelPlaying(const Session&, int) { return false; }
void PlayOnChannel(Session& s, int channel, const std::string& file, int playCount, int volume) {
    s.note("PlayOnChannel " + std::to_string(channel) + " " + file + " " + std::to_string(playCount) + " " +
           std::to_string(volume));
}
void StoreHotspotChannelRequests(Session& s, const ChannelRequestBlock& block) {
    s.note("StoreHotspotChannelRequests " + std::to_string(block.entries.size()));
}

void PlaySoundChannels(Session& s, RecordReader& r) {
    for (int i = 0; i < 22; ++i) r.readVariant();
    for (int channel = 1; channel <= 5; ++channel) {
        r.readVariant();
        bool stop = r.readVariant().toBoolean();
        bool play = r.readVariant().toBoolean();
        std::string file = r.readVariant().text();
        RecordVariant loop = r.readVariant();
        s.note("SoundChannel " + std::to_string(channel) + (stop ? " stop" : "") + (play ? " play " + file : "") +
               (play && loop.toNumber() != 0 ? " loop" : ""));
        if (r.atBlockEnd()) break;
    }
}

int LevelToVolume(double level) {
    // Level 10 is full volume; each step below it is 4 dB quieter, so level 0 is quiet, not silent.
    return WholeNumber<std::int32_t>((level - 10) * 400);
}

} // namespace run
