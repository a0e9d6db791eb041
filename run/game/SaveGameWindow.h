// frmSaveGame: the name box Text1, the saves list, SAVE, Remove Selected and Cancel. A click on
// an entry copies its name into the box; a double click saves under it.
#pragma once

#include "run/game/SavedGamesWindow.h"

#include <functional>

namespace run {

class SaveGameWindow : public SavedGamesWindow {
  public:
    // `saveAs` saves the game in play under a name (true when saved).
    SaveGameWindow(ProjectContext& project, std::function<bool(const std::string&)> saveAs);
    // Shows the window until it closes (saved or cancelled); true when the game was saved.
    bool showModal();
    std::string name() const;

  private:
    void setCaptions() override;
    void onSelect() override;
    void onTyped(const std::string& text) override;
    void onText(const std::string& utf8) override;
    void onBackspace() override;
    void pressMain() override;
    void pressRemove();
    void setName(const std::string& name);

    std::function<bool(const std::string&)> m_saveAs;
    bool m_saved = false;
};

} // namespace run
