// The game window's menu bar and keys: Load, Save, Options, the hidden Debug menu with its frame
// list, Exit and Cancel (which of them show follows the project's menu switches), the right
// click that shows and hides the bar, and the window's keys (Escape, Ctrl+L, Ctrl+S, Ctrl+Q and
// the hidden sequence that shows the Debug menu).
#pragma once

#include "run/platform/ui/Form.h"

namespace run {

class GameActions;
class GameWindow;
class Videos;
struct Flags;
struct GameState;
struct ProjectContext;

class GameMenus {
  public:
    GameMenus(ProjectContext& project, Flags& flags, GameState& state, Videos& videos, GameActions& actions,
              GameWindow& game, platform::Form& form)
        : m_project(project), m_flags(flags), m_state(state), m_videos(videos), m_actions(actions),
          m_game(game), m_form(form) {}

    // Creates the menus on the form.
    void buildMenus();
    // The menus' captions from the user-interface texts.
    void applyMenuCaptions();
    // The Debug menu's list of the project's frames.
    void rebuildFrameList();
    // The Options menu's ticks from the player's settings, and whether it shows at all.
    void applyOptionsFromSettings();
    void applyMenuOption3();

    void ShowMenus();
    void HideMenus();
    bool menusVisible() const { return m_menusVisible; }
    // One of the bar's lists was opened since the bar last showed or hid.
    bool dropdownOpened() const { return m_menuDropdownOpened; }
    // The Options menu's switches, as choosing their menu items does.
    void InvertTransitions();
    void InvertEffects();
    // "Keyboard Play" (beyond the original's options): Tab, Enter, I and F1 in the game window.
    void InvertKeyboardPlay();
    // A right click on the frame, a hotspot, a text or an item: shows a hidden menu bar, hides a
    // shown one unless one of its lists was opened.
    void RightClickMenus();
    void onKeyDown(int keyCode, int shift);

  private:
    void toggleOption(const char* menu, const char* setting, bool& flag);
    void exitCommand();
    void executeCodeCommand();

    ProjectContext& m_project;
    Flags& m_flags;
    GameState& m_state;
    Videos& m_videos;
    GameActions& m_actions;
    GameWindow& m_game;
    platform::Form& m_form;
    bool m_menusVisible = false;
    bool m_menuDropdownOpened = false;
    int m_debugKeys = 0; // position in the hidden key sequence
};

} // namespace run
