// Videos and animated pictures. Placeholder: nothing plays yet; the entry points note that
// they ran so the frame steps around them are in place.
#pragma once

#include <string>

namespace run {

struct Session;

void StopOneTimeVideoPlayer(Session& s);
// Plays a video over the frame area and waits for it (or for StopMovie).
void PlayMovieWithStop(Session& s, const std::string& file, bool stretched, long left, long top, long width,
                       long height);
bool OneTimeVideoPlaying(const Session& s);
// Starts again every hotspot video player of the frame.
void RestartHotspotVideos(Session& s);

} // namespace run
