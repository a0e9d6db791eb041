// What the save and load windows share: a modal window drawn by the player with a prompt, the
// list of saved games (newest first, a row per save, the arrows move the selection) and its
// buttons; Enter presses the main button, Escape cancels. A play script answers it through the
// backend's scripted replies: the text typed goes to the window (a name, or the entry to select),
// then the button of that caption is pressed.
#pragma once

#include "run/platform/ui/Form.h"
#include "run/platform/ui/ListRows.h"

#include <functional>
#include <string>
#include <vector>

namespace run {

struct ProjectContext;

class SavedGamesWindow {
  public:
    SavedGamesWindow(ProjectContext& project, const char* formName);
    virtual ~SavedGamesWindow();
    SavedGamesWindow(const SavedGamesWindow&) = delete;
    SavedGamesWindow& operator=(const SavedGamesWindow&) = delete;

    platform::Form& form() { return m_form; }
    bool open() const { return m_form.loaded; }
    const std::vector<std::string>& entries() const { return m_list.entries(); }
    int selected() const { return m_list.selected(); } // -1: none
    std::string selectedName() const { return m_list.selectedText(); }

  protected:
    // Builds the prompt, the list (its first row at `listTop`, `rows` rows) and the keys; the
    // window adds its own elements and buttons, then sets the size.
    void build(int listTop, int rows);
    platform::Element& addButton(const char* name, int left, int top, std::function<void()> press);
    // Loads the window, fills the list and shows it modally until it closes.
    void runModal();
    void close();
    void fillList();
    void select(int index) { m_list.select(index); }

    virtual void setCaptions() = 0;
    virtual void onSelect() {}
    virtual void onTyped(const std::string& text) = 0; // what a play script typed
    virtual void onText(const std::string& utf8) { static_cast<void>(utf8); }
    virtual void onBackspace() {}
    virtual void pressMain() = 0; // SAVE or LOAD
    virtual void pressCancel() { close(); }
    // The window as a play script's `state` shows it: the prompt, then the entries.
    virtual std::string describe() const;

    ProjectContext& m_s;
    platform::Form m_form;
    platform::ListRows m_list;

  private:
    void pressByCaption(const std::string& caption);
};

} // namespace run
