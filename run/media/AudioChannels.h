// The seven audio channels: frame music, frame sound, hotspot sounds and script channels.
// Placeholder: sound does not play yet; each entry point notes that it ran, in order, so the
// frame and action steps that call it are already in place.
#pragma once

namespace run {

struct Session;
class RecordReader;

void StopAllChannels(Session& s);
// Frame sound steps 1–4 when a frame opens: stop all sounds, the frame sound, the music; start the music.
void FrameSoundOnOpen(Session& s);
// Frame sound steps 5–6 after the frame is shown: the .chn requests and the frame sound.
void FrameSoundAfterShow(Session& s);
void ApplyChannelRequests(Session& s);
void EnableAudioFadeTimer(Session& s);
// Ends every running fade at once (`StepChannelFades (1)`).
void CompleteChannelFades(Session& s);

} // namespace run
