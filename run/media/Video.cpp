// Video entry points (placeholders until video playback lands).
#include "run/media/Video.h"

#include "run/core/Session.h"

namespace run {

void StopOneTimeVideoPlayer(Session& s) {
    s.note("StopOneTimeVideoPlayer");
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
