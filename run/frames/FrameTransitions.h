// Pictures of the frame and the two halves of a frame change with a transition: what the player
// sees now (CaptureActualFrame) and the frame composed from its parts (CaptureCurrentFrame), the
// element a script names as the next transition's new frame, and the transition's steps before
// and after the new frame loads (TransitionSteps.cpp).
#pragma once

#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/Form.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace run {

class AudioChannels;
class GameWindow;
struct Flags;
struct ProjectContext;

class FrameTransitions {
  public:
    FrameTransitions(ProjectContext& project, Flags& flags, AudioChannels& audio, GameWindow& game,
                     platform::Form& form)
        : m_project(project), m_flags(flags), m_audio(audio), m_game(game), m_form(form) {}

    // The frame area as the player sees it, floating inventory pictures left out, into the
    // target's picture; parts outside the window stay black.
    void CaptureActualFrame(platform::Element& target);
    // The frame composed from its background, texts, hotspot and animated pictures and the
    // rippling water, into the target's picture.
    void CaptureCurrentFrame(platform::Element& target);
    // The element whose picture the next transition shows as the new frame (by name and index,
    // so an element unloaded meanwhile is simply not found); the frame opening forgets it.
    void SetTransitionDestination(const std::string& name, int index);
    void ForgetTransitionDestination();
    const std::optional<std::pair<std::string, int>>& transitionDestination() const {
        return m_transitionDestination;
    }
    // The two halves of a frame change with transition n: capture and cover the old frame
    // before the new one loads; then picture the new frame and play the transition.
    void TransitionStep1(int n);
    void TransitionStep2(int n, double seconds);

  private:
    // A component shown during transitions rides on the cover or one of the frame pictures;
    // where it stood is kept so it goes back exactly there.
    struct MovedComponent {
        std::string name;
        int left = 0, top = 0;
    };
    void MoveComponentInto(const std::string& name, platform::Element& into);
    void PutComponentsBack();

    ProjectContext& m_project;
    Flags& m_flags;
    AudioChannels& m_audio;
    GameWindow& m_game;
    platform::Form& m_form;
    std::optional<std::pair<std::string, int>> m_transitionDestination;
    platform::PicturePtr m_transitionStart; // the old frame, between the two halves
    std::vector<MovedComponent> m_movedComponents;
};

} // namespace run
