// Audio channel entry points (placeholders until sound playback lands).
#include "run/media/AudioChannels.h"

#include "run/core/Session.h"

namespace run {

void StopAllChannels(Session& s) { s.note("StopAllChannels"); }
void FrameSoundOnOpen(Session& s) { s.note("FrameSoundOnOpen"); }
void FrameSoundAfterShow(Session& s) { s.note("FrameSoundAfterShow"); }
void ApplyChannelRequests(Session& s) { s.note("ApplyChannelRequests"); }
void EnableAudioFadeTimer(Session& s) { s.note("EnableAudioFadeTimer"); }
void CompleteChannelFades(Session& s) { s.note("CompleteChannelFades"); }

} // namespace run
