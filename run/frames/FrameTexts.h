// Frame texts: the Text labels of the open frame, and the text message at the bottom of the
// frame picture.
#pragma once

#include "run/platform/ui/Form.h"

#include <string>

namespace run {

class GameWindow;
struct Flags;
struct GameState;
struct ProjectContext;

class FrameTexts {
  public:
    FrameTexts(ProjectContext& project, Flags& flags, GameState& state, GameWindow& game,
               platform::Form& form)
        : m_project(project), m_flags(flags), m_state(state), m_game(game), m_form(form) {}

    // The open frame's texts (FramesData/<frame>.fm1), each a member of the Text array.
    void LoadTexts();
    void ResetFrameTexts();
    // The message in the frame (or in a box when not `inFrame`); it hides itself after a time
    // that grows with its length unless `noTimeout`; "[hide]" hides the one shown.
    void ShowTextMessage(const std::string& text, bool inFrame, bool noTimeout);
    void hideTextMessage();
    // A text takes clicks and pointer moves as the frame picture does.
    void wireText(platform::Element& text);

    // The first text of the frame merged after the open one (1 when none is).
    int mergedTextIndex() const { return m_mergedTextIndex; }
    void forgetMergedText() { m_mergedTextIndex = 1; }

  private:
    ProjectContext& m_project;
    Flags& m_flags;
    GameState& m_state;
    GameWindow& m_game;
    platform::Form& m_form;
    int m_mergedTextIndex = 1;
};

} // namespace run
