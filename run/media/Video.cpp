// Video entry points (placeholders until video playback lands).
#include "run/media/Video.h"

#include "run/core/Session.h"

namespace run {

void StopOneTimeVideoPlayer(Session& s) {
    s.note("StopOneTimeVideoPlayer");
}
void PlayPlacedMovie(Session& s, const std::string& file, bool unstretchedAtPosition, bool atOrigin,
                     long left, long top, long width, long height) {
    if (unstretchedAtPosition)
        PlayMovieWithStop(s, file, false, left, top, 0, 0);
    else if (atOrigin)
        PlayMovieWithStop(s, file, false, 0, 0, 0, 0);
    else
        PlayMovieWithStop(s, file, true, left, top, width, height);
}

void PlayMovieWithStop(Session& s, const std::string& file, bool, long, long, long, long) {
    s.note("PlayMovieWithStop " + file);
}
bool OneTimeVideoPlaying(const Session&) {
    return false;
}
void RestartHotspotVideos(Session& s) {
    s.note("RestartHotspotVideos");
}

} // namespace run
