// The transitions between two frames: alpha blending (0 and 1) and the four slides (2 to 5),
// drawn on the game window's transition pictures for a given time.
#pragma once

#include "run/platform/ui/Element.h"

#include <array>
#include <functional>
#include <string>

namespace run {

struct ProjectContext;
struct Flags;

// The sound's part in a transition: the channels' fades step with it and end with it.
struct TransitionFades {
    std::function<void(double)> step; // after each drawn step, with how far it has been drawn (0–1)
    std::function<void()> complete;   // at the end, whether drawn, skipped or failed
};

// The names of the transition numbers 0 to 5 (0 is unnamed: it blends like 1).
const std::array<std::string, 6>& LoadTransitionNames();

// Plays transition n over `surface`, from `start`'s picture to `end`'s, for `seconds`. Each
// step is drawn and shown, and window events run between steps: a click or a key that sets
// SkipTransitionRequested ends it where it is. Numbers outside 0–5 or a time not above 0 draw
// nothing. The start and end pictures are hidden afterwards.
void PlayTransition(ProjectContext& s, Flags& flags, const TransitionFades& fades, int n,
                    platform::Element& surface, platform::Element& start, platform::Element& end,
                    double seconds);

// A double-size picture for a slide: two frames side by side (or one above the other), the
// first at the origin; a missing frame leaves its half black.
platform::PicturePtr DoubleFramePicture(const platform::Canvas* first, const platform::Canvas* second,
                                        bool sideBySide);

// One alpha-blending step: `out` becomes `from` with `to` laid over it at `alpha` (0–255).
void BlendStep(const platform::Canvas& from, const platform::Canvas& to, std::uint8_t alpha,
               platform::Canvas& out);

} // namespace run
