// The animated pictures of the frame: `AniGifBox`(i), a box in the frame area that shows the
// current picture, and `AniGif`(i), the animation it holds (its file and speed). Every picture
// of an animation shows for the same time, its speed in milliseconds; the timer `TimerAniGif`
// moves them on by the clock.
#pragma once

#include "run/platform/graphics/AnimatedPicture.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace run {

namespace platform {
class Element;
class Form;
} // namespace platform

struct Flags;
struct ProjectContext;

// One animated picture as the play script's state shows it.
struct AnimationShown {
    int index = 0;
    std::string file;                             // as the game named it
    int left = 0, top = 0, width = 0, height = 0; // pixels of the frame area
    int picture = 0, pictures = 0;                // the one shown (from 0) and how many
    bool visible = false;
    bool playing = false;
};

class AnimatedPictures {
  public:
    static constexpr int kDefaultSpeed = 50;

    AnimatedPictures(ProjectContext& project, Flags& flags);

    // Adds the templates and the timer to the game window's form.
    void build(platform::Form& form);

    // Creates animated picture i in the frame area at (x, y) twips and loads the file (a full
    // path; `named` is the name the game gave it); returns i, or 0 when nothing was created.
    int AniGifNewWithIndex(int i, const std::string& file, int x, int y, int speed,
                           const std::string& named = {});
    // Loads a file into animated picture i; an empty or missing file removes the picture.
    void AniGifUpdate(int i, const std::string& file, int speed, const std::string& named = {});
    void StopAnimation(int i);
    // Starts the animation again from the picture it shows.
    void StartAnimation(int i);
    // Stops and starts every visible animated picture (after a transition).
    void RestartVisibleAnimations();
    // Hides and unloads every animated picture, highest first, then their boxes.
    void UnloadAnimations();
    void TimerAniGif_Timer();

    std::vector<AnimationShown> shown() const;

  private:
    struct Animation {
        platform::AnimatedPicturePtr pictures;
        std::string named;
        int speed = kDefaultSpeed;
        int shown = 0;
        bool playing = false;
        std::uint64_t nextAt = 0; // when the next picture is due
    };
    void destroy(int i);
    void showPicture(int i, Animation& a);
    void updateTimer();

    ProjectContext& m_project;
    Flags& m_flags;
    platform::Form* m_form = nullptr;
    std::map<int, Animation> m_animations;
};

} // namespace run
