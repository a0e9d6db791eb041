// Video requests (not yet built: they are only reported).
#include "run/media/Video.h"

namespace run {

void Videos::StopOneTimeVideoPlayer() {
    m_trace.note("StopOneTimeVideoPlayer");
}

void Videos::PlayPlacedMovie(const std::string& file, bool unstretchedAtPosition, bool atOrigin, long left,
                             long top, long width, long height) {
    if (unstretchedAtPosition)
        PlayMovieWithStop(file, false, left, top, 0, 0);
    else if (atOrigin)
        PlayMovieWithStop(file, false, 0, 0, 0, 0);
    else
        PlayMovieWithStop(file, true, left, top, width, height);
}

void Videos::PlayMovieWithStop(const std::string& file, bool, long, long, long, long) {
    m_trace.note("PlayMovieWithStop " + file);
}

bool Videos::OneTimeVideoPlaying() const {
    return false;
}

void Videos::RestartHotspotVideos() {
    m_trace.note("RestartHotspotVideos");
}

} // namespace run
