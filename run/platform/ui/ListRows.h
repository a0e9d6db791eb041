// What the player's own windows are made of. A list drawn by the player: a bordered white box holding a
// column of label rows that show a window onto the entries, the selected one in the highlight colours. A
// click selects, a double click picks; the arrows, the page keys, Home and End move the selection and the
// rows scroll to keep it in view.
#pragma once

#include "run/platform/ui/Form.h"

#include <functional>
#include <string>
#include <vector>

namespace run::platform {

class WindowSystem;

// A push button of the player's own windows (1440 × 375 twips) with its caption and press.
Element& AddPushButton(Form& form, const std::string& name, int left, int top, const std::string& caption,
                       std::function<void()> press);

class ListRows {
  public:
    struct Place {
        int left = 0, top = 0, width = 0; // twips, of the box
        int rows = 10;
    };
    // `boxName` is the box's element, `rowName` the array of rows (1 … rows).
    ListRows(Form& form, WindowSystem& ui, std::string boxName, std::string rowName);

    // Adds the box and its rows; `onSelect` follows every change of the selection, `onPick` a
    // double click on an entry.
    void build(const Place& place, std::function<void()> onSelect, std::function<void()> onPick);
    // New entries, nothing selected, the first at the top.
    void setEntries(std::vector<std::string> entries);
    const std::vector<std::string>& entries() const { return m_entries; }
    // Selects the entry (ignored when out of range) and scrolls it into view.
    void select(int index);
    int selected() const { return m_selected; } // -1: none
    std::string selectedText() const;
    int firstShown() const { return m_first; }
    // Up, Down, Page Up, Page Down, Home, End: true when the key was one of them.
    bool onKey(int keyCode);
    // The box's height in twips, for laying out what stands below it.
    int height() const;

  private:
    void showRows();

    Form& m_form;
    WindowSystem& m_ui;
    std::string m_boxName, m_rowName;
    std::function<void()> m_onSelect;
    std::vector<std::string> m_entries;
    int m_selected = -1;
    int m_first = 0;
    int m_rows = 10;
};

} // namespace run::platform
