// The welcome window frmWelcome: the game's title, author and contact lines, the resolution
// offer and the Start, Load and Exit buttons. Loading it initialises the project.
#pragma once

#include "run/platform/ui/Form.h"
#include "run/project/Schemes.h"

#include <functional>
#include <string>
#include <vector>

namespace run {

struct ProjectContext;
struct Flags;

class WelcomeWindow {
  public:
    // What the buttons reach outside this window.
    struct Actions {
        std::function<void()> startGame;      // load the game window, ResetAll, StartNewGame, show it
        std::function<void()> showLoadWindow; // the load-game window
    };

    WelcomeWindow(ProjectContext& project, Flags& flags, Actions actions);
    ~WelcomeWindow();

    platform::Form& form() { return m_form; }
    // The authoring product's address offered by the logo.
    static constexpr const char* kProductAddress = "https://www.lumenfold.example/";

    // Loads the window: InitProject, the layout, the scheme and the captions; shows it unless the
    // project skips it (then Start runs at once). Ends the program where start-up says so.
    void load();
    // Start (0), Load (1), Exit (2).
    void ClickButton(int index);
    void unload();

    // The keys: Tab, Shift+Tab and the arrows move the focus over the shown buttons and the
    // resolution box; Enter presses the focused one (Start when none has the focus yet); the
    // space bar ticks the box; Escape ends the program. True when the key was used.
    bool onKeyDown(int keyCode, int shift);
    // The focused button's name for the state lines ("Start", "Load", "Exit", "Resolution");
    // "" before a key moved the focus.
    std::string focused() const;

    bool skipped() const { return m_skipped; }
    bool loaded() const { return m_form.loaded; }
    const LogoSettings& logo() const { return m_logo; }

  private:
    void build();
    void layOut();
    void applyCaptions();
    void setTopmost(bool on);
    void wireEvents();
    void onEmailClick();
    void onHomepageClick();
    void onLogoClick();
    void toggleResolution();
    // What the keys reach, in order: 0–2 the buttons, 3 the resolution box.
    std::vector<int> focusStops() const;
    platform::Element* focusElement(int stop) const;
    void showFocus();

    ProjectContext& m_s;
    Flags& m_flags;
    Actions m_actions;
    platform::Form m_form{"frmWelcome"};
    LogoSettings m_logo;
    bool m_skipped = false;
    int m_dragX = 0, m_dragY = 0;
    int m_focus = -1; // a stop of focusStops(), -1 none
};

// The resolution label: UiText 7 without a trailing "640x480"-style size, then the project's size.
std::string ResolutionLabelText(const std::string& uiText7, int projectResolution);

} // namespace run
