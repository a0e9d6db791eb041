// frmLoadGame: the saves list with a picture of the selected save's frame and its date, LOAD and
// Cancel. A double click loads the entry.
#pragma once

#include "run/state/SavedGamesWindow.h"

#include <functional>

namespace run {

class LoadGameWindow : public SavedGamesWindow {
  public:
    // `hideWelcome` hides the welcome window once a game is loaded.
    LoadGameWindow(Session& s, GameWindow& game, std::function<void()> hideWelcome);
    // Shows the window until it closes; true when a game was loaded.
    bool showModal();

  private:
    void setCaptions() override;
    void onSelect() override;
    void onTyped(const std::string& text) override;
    void pressMain() override;

    std::function<void()> m_hideWelcome;
    bool m_loaded = false;
};

} // namespace run
