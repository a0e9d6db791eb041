#include "run/game/SaveGameWindow.h"

#include "run/game/SavedGames.h"
#include "run/project/ProjectContext.h"

namespace run {

using platform::Element;

SaveGameWindow::SaveGameWindow(ProjectContext& project, std::function<bool(const std::string&)> saveAs)
    : SavedGamesWindow(project, "frmSaveGame"), m_saveAs(std::move(saveAs)) {
    build(840, 10);
    Element& box = m_form.addElement(platform::ElementKind::TextBox, "Text1");
    box.left = 240;
    box.top = 420;
    box.width = 4200;
    box.height = 315;
    box.border = true;
    box.backColor = 0xFFFFFF;
    addButton("Command2", 4620, 420, [this] { pressMain(); });
    addButton("Command3", 4620, 900, [this] { pressRemove(); });
    addButton("Command1", 4620, 1380, [this] { pressCancel(); });
    m_form.width = 6300 + 90;
    m_form.height = 840 + 10 * 255 + 30 + 360 + 90;
}

bool SaveGameWindow::showModal() {
    m_saved = false;
    setName("");
    runModal();
    return m_saved;
}

std::string SaveGameWindow::name() const {
    return m_form.get("Text1").caption;
}

void SaveGameWindow::setName(const std::string& name) {
    m_form.get("Text1").caption = name;
    m_s.ui.invalidate();
}

void SaveGameWindow::setCaptions() {
    m_form.caption = m_s.uiText[21];
    m_form.get("lblPrompt").caption = m_s.uiText[23];
    m_form.get("Command2").caption = m_s.uiText[25];
    m_form.get("Command3").caption = m_s.uiText[22];
    m_form.get("Command1").caption = m_s.uiText[11];
}

void SaveGameWindow::onSelect() {
    if (selected() >= 0) setName(selectedName());
}

void SaveGameWindow::onTyped(const std::string& text) {
    // As a click on an entry would: the entry of that name is selected too, for Remove Selected.
    setName(text);
    for (std::size_t i = 0; i < entries().size(); ++i)
        if (entries()[i] == text) select(static_cast<int>(i));
}

void SaveGameWindow::onText(const std::string& utf8) {
    setName(name() + utf8);
}

void SaveGameWindow::onBackspace() {
    std::string n = name();
    // One character, whatever its UTF-8 length.
    while (!n.empty() && (static_cast<unsigned char>(n.back()) & 0xC0) == 0x80)
        n.pop_back();
    if (!n.empty()) n.pop_back();
    setName(n);
}

void SaveGameWindow::pressMain() {
    if (!m_saveAs(name())) return;
    m_saved = true;
    close();
}

void SaveGameWindow::pressRemove() {
    if (RemoveSavedGame(m_s, selected() >= 0 ? selectedName() : "")) fillList();
}

} // namespace run
