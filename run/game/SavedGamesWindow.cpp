#include "run/game/SavedGamesWindow.h"

#include "run/game/SavedGames.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Keys.h"
#include "run/project/ProjectContext.h"

#include <algorithm>

namespace run {

using platform::Element;
using platform::ElementKind;

namespace {

constexpr const char* kRow = "List1Row";
constexpr int kRowHeight = 255;
constexpr int kListLeft = 240;
constexpr int kListWidth = 4200;
constexpr platform::ColorRef kWhite = 0xFFFFFF;
constexpr platform::ColorRef kHighlight = 0x6A240A; // dark blue, as selected list rows are

} // namespace

SavedGamesWindow::SavedGamesWindow(ProjectContext& project, const char* formName)
    : m_s(project), m_form(formName) {}

SavedGamesWindow::~SavedGamesWindow() {
    if (m_s.ui.isLoaded(m_form)) m_s.ui.unload(m_form);
}

std::string SavedGamesWindow::selectedName() const {
    return m_selected >= 0 && m_selected < static_cast<int>(m_entries.size())
               ? m_entries[std::size_t(m_selected)]
               : "";
}

void SavedGamesWindow::build(int listTop, int rows) {
    m_listTop = listTop;
    m_rows = rows;
    platform::Form& f = m_form;
    f.borderTwips = 45;
    Element& prompt = f.addElement(ElementKind::Label, "lblPrompt");
    prompt.left = kListLeft;
    prompt.top = 120;
    prompt.width = 6000;
    prompt.height = 255;
    prompt.backTransparent = true;

    Element& list = f.addElement(ElementKind::Label, "List1");
    list.left = kListLeft;
    list.top = listTop;
    list.width = kListWidth;
    list.height = rows * kRowHeight + 30;
    list.border = true;
    list.backColor = kWhite;
    for (int i = 1; i <= rows; ++i) {
        Element& row = f.addElement(ElementKind::Label, kRow, i);
        row.left = kListLeft + 15;
        row.top = listTop + 15 + (i - 1) * kRowHeight;
        row.width = kListWidth - 30;
        row.height = kRowHeight;
        row.backColor = kWhite;
        row.onClick = [this, i] { select(m_firstRow + i - 1); };
        row.onDblClick = [this, i] {
            select(m_firstRow + i - 1);
            if (m_selected >= 0) pressMain();
        };
    }

    f.onKeyDown = [this](int key, int) {
        const int count = static_cast<int>(m_entries.size());
        switch (key) {
        case platform::kKeyReturn:
            pressMain();
            break;
        case platform::kKeyEscape:
            pressCancel();
            break;
        case platform::kKeyBack:
            onBackspace();
            break;
        case platform::kKeyUp:
            select(m_selected <= 0 ? 0 : m_selected - 1);
            break;
        case platform::kKeyDown:
            select(std::min(count - 1, m_selected + 1));
            break;
        case platform::kKeyPageUp:
            select(std::max(0, m_selected - m_rows));
            break;
        case platform::kKeyPageDown:
            select(std::min(count - 1, m_selected + m_rows));
            break;
        case platform::kKeyHome:
            select(0);
            break;
        case platform::kKeyEnd:
            select(count - 1);
            break;
        default:
            break;
        }
    };
    f.onTextInput = [this](const std::string& text) { onText(text); };
}

Element& SavedGamesWindow::addButton(const char* name, int left, int top, std::function<void()> press) {
    Element& b = m_form.addElement(ElementKind::Label, name);
    b.left = left;
    b.top = top;
    b.width = 1440;
    b.height = 375;
    b.border = true;
    b.pushButton = true;
    b.alignment = platform::Alignment::Center;
    b.onClick = std::move(press);
    return b;
}

void SavedGamesWindow::fillList() {
    m_entries = ListSavedGames(ExistingSaveFolder(m_s));
    m_selected = -1;
    m_firstRow = 0;
    showRows();
    onSelect();
}

void SavedGamesWindow::select(int index) {
    if (index < 0 || index >= static_cast<int>(m_entries.size())) return;
    m_selected = index;
    // The list scrolls so the selected entry is in view.
    if (m_selected < m_firstRow) m_firstRow = m_selected;
    if (m_selected >= m_firstRow + m_rows) m_firstRow = m_selected - m_rows + 1;
    showRows();
    onSelect();
}

void SavedGamesWindow::showRows() {
    for (int i = 1; i <= m_rows; ++i) {
        Element& row = m_form.get(kRow, i);
        const int entry = m_firstRow + i - 1;
        const bool used = entry < static_cast<int>(m_entries.size());
        row.caption = used ? m_entries[std::size_t(entry)] : "";
        const bool chosen = used && entry == m_selected;
        row.backColor = chosen ? kHighlight : kWhite;
        row.foreColor = chosen ? kWhite : 0x000000;
    }
    m_s.ui.invalidate();
}

std::string SavedGamesWindow::describe() const {
    std::string text = m_form.get("lblPrompt").caption;
    for (const std::string& e : m_entries)
        text += "\r\n" + e;
    return text;
}

void SavedGamesWindow::pressByCaption(const std::string& caption) {
    for (const Element* e : {m_form.find("Command2"), m_form.find("Command3")}) {
        if (e && e->visible && platform::EqualsNoCase(e->caption, caption)) {
            std::function<void()> press = e->onClick;
            press();
            return;
        }
    }
    pressCancel();
}

void SavedGamesWindow::runModal() {
    platform::WindowSystem& ui = m_s.ui;
    if (!ui.isLoaded(m_form)) ui.load(m_form);
    setCaptions();
    fillList();
    ui.centre(m_form);
    // The other windows wait for the answer; their timers do not.
    platform::ModalScope modal(ui, m_form);
    ui.show(m_form);
    while (m_form.loaded && !ui.quitRequested()) {
        if (auto reply = ui.backend().scriptedWindowReply({m_form.caption, describe(), 0})) {
            if (reply->typed) onTyped(*reply->typed);
            pressByCaption(reply->button);
            continue;
        }
        ui.runUntil([this] { return !m_form.loaded; });
        break;
    }
    // The program was told to quit while the window was open: that is a Cancel.
    if (m_form.loaded) pressCancel();
}

void SavedGamesWindow::close() {
    if (m_s.ui.isLoaded(m_form)) m_s.ui.unload(m_form);
}

} // namespace run
