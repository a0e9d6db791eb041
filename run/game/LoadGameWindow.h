// frmLoadGame: the saves list with a picture of the selected save's frame and its date, LOAD and
// Cancel. A double click loads the entry.
#pragma once

#include "run/game/SavedGames.h"
#include "run/game/SavedGamesWindow.h"

#include <functional>

namespace run {

class LoadGameWindow : public SavedGamesWindow {
  public:
    // `welcome` hides the welcome window and tells whether its resolution offer is ticked.
    // `load` loads a save by name with the windows around it (true when loaded).
    using Loader = std::function<bool(const std::string&, const LoadWindows&)>;
    LoadGameWindow(ProjectContext& project, Loader load, LoadWindows welcome);
    // Shows the window until it closes; true when a game was loaded.
    bool showModal();

  private:
    void setCaptions() override;
    void onSelect() override;
    void onTyped(const std::string& text) override;
    void pressMain() override;

    Loader m_load;
    LoadWindows m_windows;
    bool m_loaded = false;
};

} // namespace run
