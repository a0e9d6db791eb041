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

void Videos::VideoPlayer(int hotspot, const std::string& file) {
    m_trace.note("VideoPlayer " + std::to_string(hotspot) + " " + file);
}

void Videos::ShowVideoHotspot(int hotspot, bool visible) {
    m_trace.note(std::string(visible ? "ShowVideoHotspot " : "HideVideoHotspot ") + std::to_string(hotspot));
}

void Videos::AniGifNewWithIndex(int hotspot) {
    m_trace.note("AniGifNewWithIndex " + std::to_string(hotspot));
}

} // namespace run
