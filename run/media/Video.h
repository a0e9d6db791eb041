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
// The same with the placement frames and actions store: unstretched at (left, top), unstretched
// at the frame's origin, or stretched over the given rectangle.
void PlayPlacedMovie(Session& s, const std::string& file, bool unstretchedAtPosition, bool atOrigin,
                     long left, long top, long width, long height);
bool OneTimeVideoPlaying(const Session& s);
// Starts again every hotspot video player of the frame.
void RestartHotspotVideos(Session& s);

} // namespace run
