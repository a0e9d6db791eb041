// frmRunFromCD: building the window, the drive list, OK and Cancel, and its modal loop.
#include "run/project/RunFromCdWindow.h"

#include "run/platform/drives/DriveTable.h"
#include "run/platform/ui/Keys.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include <utility>
#include <vector>

namespace run {

using platform::Element;
using platform::ElementKind;

namespace {

constexpr int kWindowWidth = 4800;
constexpr int kBorder = 45;
constexpr int kListLeft = 1680;
constexpr int kListWidth = 2880;
constexpr int kListTop = 1365;
constexpr int kItemHeight = 255;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 375;
constexpr platform::ColorRef kBoxColor = 0xFFFFFF;
constexpr const char* kItemArray = "lstDrive";

} // namespace

RunFromCdWindow::RunFromCdWindow(ProjectContext& project, Flags& flags) : m_s(project), m_flags(flags) {
    build();
}

RunFromCdWindow::~RunFromCdWindow() {
    unload();
}

std::string RunFromCdWindow::ItemText(char letter, int driveType) {
    const char* kind = nullptr;
    switch (driveType) {
    case platform::kDriveRemovable:
        kind = "(Floppy Drive)";
        break;
    case platform::kDriveFixed:
        kind = "(Hard Drive)";
        break;
    case platform::kDriveRemote:
        kind = "(Network Drive)";
        break;
    case platform::kDriveCdRom:
        kind = "(CD-Rom Drive)";
        break;
    case platform::kDriveRamDisk:
        kind = "(RAM Disk)";
        break;
    default:
        return "";
    }
    return std::string(1, letter) + ":\\ " + kind;
}

void RunFromCdWindow::build() {
    platform::Form& f = m_form;
    f.width = kWindowWidth;
    f.borderTwips = kBorder;
    f.caption = "";

    Element& message = f.addElement(ElementKind::Label, "lblMessage");
    message.left = 240;
    message.top = 240;
    message.width = kWindowWidth - 2 * kBorder - 480;
    message.height = 720;
    message.wordWrap = true;
    message.backTransparent = true;

    Element& label = f.addElement(ElementKind::Label, "lblDrive");
    label.left = 240;
    label.top = kListTop - 300;
    label.width = kListLeft - 300;
    label.height = kItemHeight;
    label.backTransparent = true;

    // The drive box: the chosen text above a column of the drives one can pick.
    Element& box = f.addElement(ElementKind::Label, "Combo1");
    box.left = kListLeft;
    box.top = kListTop - 330;
    box.width = kListWidth;
    box.height = 285;
    box.border = true;
    box.backColor = kBoxColor;

    Element& item = f.addElement(ElementKind::Label, kItemArray, 0);
    item.visible = false;
    item.left = kListLeft;
    item.width = kListWidth;
    item.height = kItemHeight;
    item.backColor = kBoxColor;

    for (const char* name : {"cmdOK", "cmdCancel"}) {
        Element& b = f.addElement(ElementKind::Label, name);
        b.width = kButtonWidth;
        b.height = kButtonHeight;
        b.border = true;
        b.alignment = platform::Alignment::Center;
    }
    f.get("cmdOK").caption = "OK";
    f.get("cmdOK").onClick = [this] { ClickOK(); };
    f.get("cmdCancel").onClick = [this] { ClickCancel(); };

    f.onActivate = [this] { m_form.topmost = true; };
    f.onKeyDown = [this](int key, int) {
        if (key == platform::kKeyReturn)
            ClickOK();
        else if (key == platform::kKeyEscape)
            ClickCancel();
    };
}

void RunFromCdWindow::layOut(int items) {
    platform::Form& f = m_form;
    int buttonsTop = kListTop + items * kItemHeight + 240;
    Element& ok = f.get("cmdOK");
    Element& cancel = f.get("cmdCancel");
    ok.top = cancel.top = buttonsTop;
    int inner = kWindowWidth - 2 * kBorder;
    ok.left = inner / 2 - kButtonWidth - 120;
    cancel.left = inner / 2 + 120;
    f.height = buttonsTop + kButtonHeight + 240 + 2 * kBorder;
    m_s.ui.centre(f);
}

void RunFromCdWindow::load() {
    platform::Form& f = m_form;
    m_s.ui.load(f);
    f.get("lblDrive").caption = m_s.uiText[37];
    f.get("cmdCancel").caption = m_s.uiText[11];

    // A reload lists the drives afresh.
    for (Element* e : f.arrayMembers(kItemArray)) {
        if (e->index > 0) f.unloadArrayMember(kItemArray, e->index);
    }
    int count = 0;
    for (char letter = 'A'; letter <= 'V'; ++letter) {
        int type = m_s.drives.typeOf(letter);
        std::string text = ItemText(letter, type);
        if (text.empty()) continue;
        ++count;
        Element& item = f.loadArrayMember(kItemArray, count);
        item.caption = text;
        item.top = kListTop + (count - 1) * kItemHeight;
        item.visible = true;
        item.onClick = [this, text] { setDriveText(text); };
        if (type == platform::kDriveCdRom) setDriveText(std::string(1, letter) + ":\\");
    }
    layOut(count);
}

void RunFromCdWindow::setDriveText(const std::string& text) {
    m_form.get("Combo1").caption = text;
}

std::string RunFromCdWindow::driveText() const {
    return m_form.get("Combo1").caption;
}

void RunFromCdWindow::setMessage(const std::string& text) {
    m_form.get("lblMessage").caption = text;
}

void RunFromCdWindow::showModal() {
    platform::WindowSystem& ui = m_s.ui;
    if (!ui.isLoaded(m_form)) load();
    // The other windows wait for the answer; their timers do not.
    platform::ModalScope modal(ui, m_form);
    ui.show(m_form);
    ui.runUntil([this] { return !m_form.loaded; });
    // The loop also ends when the program is told to quit: that is a Cancel.
    if (m_form.loaded) ClickCancel();
}

void RunFromCdWindow::ClickOK() {
    std::string text = driveText();
    char letter = text.empty() ? '\0' : text[0];
    if (letter != '\0' && m_s.drives.rootExists(letter)) {
        m_s.saveUserSetting("DriveLetter", std::string(1, letter));
        unload();
        return;
    }
    m_s.ui.messageBox(m_s.uiText[38], platform::kExclamation, m_s.info.AdventureName);
}

void RunFromCdWindow::ClickCancel() {
    m_flags.Quitting = true;
    unload();
}

void RunFromCdWindow::unload() {
    if (m_s.ui.isLoaded(m_form)) m_s.ui.unload(m_form);
}

} // namespace run
