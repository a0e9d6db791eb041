#include "run/game/SavedGamesWindow.h"

#include "run/game/SavedGames.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Keys.h"
#include "run/project/ProjectContext.h"

namespace run {

using platform::Element;
using platform::ElementKind;

SavedGamesWindow::SavedGamesWindow(ProjectContext& project, const char* formName)
    : m_s(project), m_form(formName), m_list(m_form, project.ui, "List1", "List1Row") {}

SavedGamesWindow::~SavedGamesWindow() {
    if (m_s.ui.isLoaded(m_form)) m_s.ui.unload(m_form);
}

void SavedGamesWindow::build(int listTop, int rows) {
    platform::Form& f = m_form;
    f.borderTwips = 45;
    Element& prompt = f.addElement(ElementKind::Label, "lblPrompt");
    prompt.left = 240;
    prompt.top = 120;
    prompt.width = 6000;
    prompt.height = 255;
    prompt.backTransparent = true;

    m_list.build(
        {240, listTop, 4200, rows}, [this] { onSelect(); }, [this] { pressMain(); });

    f.onKeyDown = [this](int key, int) {
        if (m_list.onKey(key)) return;
        if (key == platform::kKeyReturn)
            pressMain();
        else if (key == platform::kKeyEscape)
            pressCancel();
        else if (key == platform::kKeyBack)
            onBackspace();
    };
    f.onTextInput = [this](const std::string& text) { onText(text); };
}

Element& SavedGamesWindow::addButton(const char* name, int left, int top, std::function<void()> press) {
    return platform::AddPushButton(m_form, name, left, top, "", std::move(press));
}

void SavedGamesWindow::fillList() {
    m_list.setEntries(ListSavedGames(ExistingSaveFolder(m_s)));
}

std::string SavedGamesWindow::describe() const {
    std::string text = m_form.get("lblPrompt").caption;
    for (const std::string& e : m_list.entries())
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
