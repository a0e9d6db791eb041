// Playing without the mouse. Tab and Shift+Tab move a highlight over the frame's visible
// hotspots in reading order and, while the inventory panel is open, over its items; Enter
// clicks the highlighted hotspot, takes the highlighted item, and uses a taken item on the
// hotspot or item highlighted next; I opens and closes the inventory panel; F1 held outlines
// every visible hotspot. None of these keys has another use in the game window. The Options
// menu's "Keyboard Play" switches it off (kept in the per-user settings as "KeyboardPlay").
#pragma once

#include "run/platform/ui/Form.h"

#include <optional>
#include <string>
#include <vector>

namespace run {

class GameWindow;
struct Flags;
struct ProjectContext;

class KeyboardPlay {
  public:
    KeyboardPlay(ProjectContext& project, Flags& flags, GameWindow& game, platform::Form& form)
        : m_project(project), m_flags(flags), m_game(game), m_form(form) {}

    // The highlight and the outlines' template.
    void build();
    // True when the key was used.
    bool onKeyDown(int keyCode, int shift);
    bool onKeyUp(int keyCode, int shift);
    // A new frame, or the switch turned off: no highlight, no outlines, nothing taken.
    void reset();

    // For the state lines: "hotspot 3" or "item 2 = key"; "" when nothing is highlighted.
    std::string highlighted() const;
    // The item taken with Enter: "item 2 = key"; "" when none is.
    std::string holding() const;

  private:
    struct Target {
        bool item = false;
        int index = 0;
        bool operator==(const Target&) const = default;
    };
    // What Tab reaches now, in order.
    std::vector<Target> targets() const;
    platform::Element* elementOf(const Target& t) const;
    void move(int step);
    void showHighlight();
    void activate();
    void outline(bool on);

    ProjectContext& m_project;
    Flags& m_flags;
    GameWindow& m_game;
    platform::Form& m_form;
    std::optional<Target> m_current;
    int m_held = 0; // the item taken, 0 none
    bool m_outlined = false;
};

} // namespace run
