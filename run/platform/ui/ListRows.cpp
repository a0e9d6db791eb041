#include "run/platform/ui/ListRows.h"

#include "run/platform/ui/Keys.h"
#include "run/platform/ui/WindowSystem.h"

#include <algorithm>
#include <utility>

namespace run::platform {

namespace {

constexpr int kRowHeight = 255;
constexpr ColorRef kWhite = 0xFFFFFF;
constexpr ColorRef kHighlight = 0x6A240A; // dark blue, as selected list rows are

} // namespace

Element& AddPushButton(Form& form, const std::string& name, int left, int top, const std::string& caption,
                       std::function<void()> press) {
    Element& b = form.addElement(ElementKind::Label, name);
    b.left = left;
    b.top = top;
    b.width = 1440;
    b.height = 375;
    b.border = true;
    b.pushButton = true;
    b.alignment = Alignment::Center;
    b.caption = caption;
    b.onClick = std::move(press);
    return b;
}

ListRows::ListRows(Form& form, WindowSystem& ui, std::string boxName, std::string rowName)
    : m_form(form), m_ui(ui), m_boxName(std::move(boxName)), m_rowName(std::move(rowName)) {}

void ListRows::build(const Place& place, std::function<void()> onSelect, std::function<void()> onPick) {
    m_rows = std::max(1, place.rows);
    m_onSelect = std::move(onSelect);
    Element& box = m_form.addElement(ElementKind::Label, m_boxName);
    box.left = place.left;
    box.top = place.top;
    box.width = place.width;
    box.height = height();
    box.border = true;
    box.backColor = kWhite;
    auto pick = std::make_shared<std::function<void()>>(std::move(onPick));
    for (int i = 1; i <= m_rows; ++i) {
        Element& row = m_form.addElement(ElementKind::Label, m_rowName, i);
        row.left = place.left + 15;
        row.top = place.top + 15 + (i - 1) * kRowHeight;
        row.width = place.width - 30;
        row.height = kRowHeight;
        row.backColor = kWhite;
        row.onClick = [this, i] { select(m_first + i - 1); };
        row.onDblClick = [this, i, pick] {
            select(m_first + i - 1);
            if (m_selected >= 0 && *pick) (*pick)();
        };
    }
}

int ListRows::height() const {
    return m_rows * kRowHeight + 30;
}

void ListRows::setEntries(std::vector<std::string> entries) {
    m_entries = std::move(entries);
    m_selected = -1;
    m_first = 0;
    showRows();
    if (m_onSelect) m_onSelect();
}

void ListRows::select(int index) {
    if (index < 0 || index >= static_cast<int>(m_entries.size())) return;
    m_selected = index;
    if (m_selected < m_first) m_first = m_selected;
    if (m_selected >= m_first + m_rows) m_first = m_selected - m_rows + 1;
    showRows();
    if (m_onSelect) m_onSelect();
}

std::string ListRows::selectedText() const {
    return m_selected >= 0 && m_selected < static_cast<int>(m_entries.size())
               ? m_entries[static_cast<std::size_t>(m_selected)]
               : "";
}

bool ListRows::onKey(int keyCode) {
    const int last = static_cast<int>(m_entries.size()) - 1;
    switch (keyCode) {
    case kKeyUp:
        select(m_selected <= 0 ? 0 : m_selected - 1);
        return true;
    case kKeyDown:
        select(std::min(last, m_selected + 1));
        return true;
    case kKeyPageUp:
        select(std::max(0, m_selected - m_rows));
        return true;
    case kKeyPageDown:
        select(std::min(last, m_selected + m_rows));
        return true;
    case kKeyHome:
        select(0);
        return true;
    case kKeyEnd:
        select(last);
        return true;
    default:
        return false;
    }
}

void ListRows::showRows() {
    for (int i = 1; i <= m_rows; ++i) {
        Element* row = m_form.find(m_rowName, i);
        if (!row) continue;
        const int entry = m_first + i - 1;
        const bool used = entry < static_cast<int>(m_entries.size());
        row->caption = used ? m_entries[static_cast<std::size_t>(entry)] : "";
        const bool chosen = used && entry == m_selected;
        row->backColor = chosen ? kHighlight : kWhite;
        row->foreColor = chosen ? kWhite : 0x000000;
    }
    m_ui.invalidate();
}

} // namespace run::platform
