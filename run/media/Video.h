// Videos and animated pictures.
// NOT YET BUILT: nothing plays; each request is reported to the step trace so that the frame
// and action steps around it are in place and tested. Video playback replaces this service.
#pragma once

#include "run/project/StepTrace.h"

#include <string>

namespace run {

class Videos {
  public:
    explicit Videos(StepTrace& trace) : m_trace(trace) {}

    void StopOneTimeVideoPlayer();
    // Plays a video over the frame area and waits for it (or for StopMovie).
    void PlayMovieWithStop(const std::string& file, bool stretched, long left, long top, long width,
                           long height);
    // The same with the placement frames and actions store: unstretched at (left, top),
    // unstretched at the frame's origin, or stretched over the given rectangle.
    void PlayPlacedMovie(const std::string& file, bool unstretchedAtPosition, bool atOrigin, long left,
                         long top, long width, long height);
    bool OneTimeVideoPlaying() const;
    // Starts again every hotspot video player of the frame.
    void RestartHotspotVideos();
    // The player of hotspot n's video (the hotspot shows its still picture meanwhile), and
    // showing or hiding it with its hotspot.
    void VideoPlayer(int hotspot, const std::string& file);
    void ShowVideoHotspot(int hotspot, bool visible);
    // The animated picture of hotspot n (its first picture shows, still, meanwhile).
    void AniGifNewWithIndex(int hotspot);

  private:
    StepTrace& m_trace;
};

} // namespace run
