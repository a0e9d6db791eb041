// Videos over the frame: the one-time video a frame or an action plays (`OneTimeVideoPlayer`(1),
// at most one at a time) and the looping videos of hotspots (`VideoPlayer`(n)). Each is an
// element of the game window showing the pictures of a platform video player, whose sound goes
// through the shared mixer; the timer `TimerVideo` moves the pictures on. The animated pictures
// of the frame come with them.
#pragma once

#include "run/media/AnimatedPictures.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/media/VideoPlayer.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace run {

namespace platform {
class Element;
class Form;
class Mixer;
} // namespace platform

struct Flags;
struct ProjectContext;
class ProjectFiles;

// What the hotspot file says of a hotspot's video.
struct HotspotVideo {
    std::string file;         // relative to the Frames folder
    bool fitsHotspot = false; // false: the video's own size
    double level = 7;         // volume level 0–10
    double rate = 1;          // 0 stands for 1
    int playCount = 1;        // 0: over and over
};

// One video as the play script's state shows it.
struct VideoShown {
    std::string element; // "OneTimeVideoPlayer" or "VideoPlayer"
    int index = 0;
    std::string file;                             // as the game named it
    int left = 0, top = 0, width = 0, height = 0; // pixels of the frame area
    bool visible = false;
    bool playing = false;
};

class Videos {
  public:
    Videos(ProjectContext& project, Flags& flags, ProjectFiles& files, platform::Mixer& mixer);
    ~Videos();
    Videos(const Videos&) = delete;
    Videos& operator=(const Videos&) = delete;

    // Adds the players' and animated pictures' templates and timers to the game window's form.
    void build(platform::Form& form);
    AnimatedPictures& animations() { return m_animations; }

    // Plays a video over the frame area, at (left, top) pixels of it, stretched to width × height
    // or at its own size. Failures show the error box.
    void PlayMovieWithStop(const std::string& file, bool stretched, long left, long top, long width,
                           long height);
    // The same with the placement frames and actions store: unstretched at (left, top),
    // unstretched at the frame's origin, or stretched over the given rectangle.
    void PlayPlacedMovie(const std::string& file, bool unstretchedAtPosition, bool atOrigin, long left,
                         long top, long width, long height);
    void StopOneTimeVideoPlayer();
    bool IsOneTimeVideoPlaying() const;
    // True during the short pause before a one-time video starts.
    bool VideoStarting() const { return m_videoStarting; }
    // Lets events run while the one-time video plays and StopMovie is not set, calling `eachTurn`
    // after every round of events; StopMovie is cleared afterwards. The video goes on playing.
    void WaitForVideoEnd(const std::function<void()>& eachTurn);

    // Hotspot n's video player: loaded hidden at (left, top) twips of the frame area, sized to
    // the hotspot or to the video. Throws when the file cannot be played.
    void LoadVideoPlayer(int n, const HotspotVideo& video, int left, int top, int width, int height);
    // Shows (rewound and started, unless a transition is on the screen) or hides (stopped) it.
    void ShowVideoHotspot(int n, bool visible);
    // Starts again every loaded and visible hotspot video.
    void RestartHotspotVideos();
    // Unloads every hotspot video, highest number first.
    void UnloadHotspotVideos();
    // Starts a hotspot's player; a failure shows the video box.
    void PlayVideoControl(int n);
    // Moves every playing video's pictures on.
    void TimerVideo_Timer();

    std::vector<VideoShown> shown() const;
    // Pictures shown and dropped by every video since the program started (benchmarks).
    std::uint64_t picturesShown() const { return m_picturesShown; }
    std::uint64_t picturesDropped() const { return m_picturesDropped; }

  private:
    struct Playing;
    Playing* entry(const std::string& element, int index) const;
    void present(platform::Element& e, Playing& p);
    void startTimer();
    void unload(const std::string& element, int index);

    ProjectContext& m_project;
    Flags& m_flags;
    ProjectFiles& m_files;
    platform::Mixer& m_mixer;
    platform::Form* m_form = nullptr;
    AnimatedPictures m_animations;
    std::map<std::pair<std::string, int>, std::unique_ptr<Playing>> m_playing;
    bool m_videoStarting = false;
    std::uint64_t m_picturesShown = 0, m_picturesDropped = 0;
};

} // namespace run
