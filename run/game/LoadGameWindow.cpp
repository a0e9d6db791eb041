#include "run/game/LoadGameWindow.h"

#include "run/game/SavedGames.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/graphics/Picture.h"
#include "run/project/ProjectContext.h"

#include <chrono>
#include <ctime>
#include <filesystem>

namespace run {

using platform::Element;

namespace {

// The save's date and time as the file system keeps it, in the player's local time.
std::string savedWhen(const std::filesystem::path& file) {
    std::error_code ec;
    auto written = std::filesystem::last_write_time(file, ec);
    if (ec) return "";
    // The file clock's distance from now, carried over to the system clock.
    auto system =
        std::chrono::system_clock::now() + std::chrono::duration_cast<std::chrono::system_clock::duration>(
                                               written - std::filesystem::file_time_type::clock::now());
    std::time_t t = std::chrono::system_clock::to_time_t(system);
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

} // namespace

LoadGameWindow::LoadGameWindow(ProjectContext& project, Loader load, LoadWindows welcome)
    : SavedGamesWindow(project, "frmLoadGame"), m_load(std::move(load)), m_windows(std::move(welcome)) {
    m_windows.hideLoadWindow = [this] { m_s.ui.hide(m_form); };
    build(420, 11);
    addButton("Command2", 4620, 420, [this] { pressMain(); });
    addButton("Command1", 4620, 900, [this] { pressCancel(); });
    Element& picture = m_form.addElement(platform::ElementKind::Image, "picThumb");
    picture.left = 4620;
    picture.top = 1440;
    picture.width = 1440;
    picture.height = 1080;
    picture.stretch = true;
    picture.border = true;
    Element& date = m_form.addElement(platform::ElementKind::Label, "lblDate");
    date.left = 4620;
    date.top = 2580;
    date.width = 1440;
    date.height = 255;
    date.backTransparent = true;
    m_form.width = 6300 + 90;
    m_form.height = 420 + 11 * 255 + 30 + 360 + 90;
}

bool LoadGameWindow::showModal() {
    m_loaded = false;
    runModal();
    return m_loaded;
}

void LoadGameWindow::setCaptions() {
    m_form.caption = m_s.uiText[17];
    m_form.get("lblPrompt").caption = m_s.uiText[18];
    m_form.get("Command2").caption = m_s.uiText[19];
    m_form.get("Command1").caption = m_s.uiText[11];
}

void LoadGameWindow::onSelect() {
    Element& picture = m_form.get("picThumb");
    Element& date = m_form.get("lblDate");
    picture.picture.reset();
    picture.visible = false;
    date.caption = "";
    if (selected() < 0) return;
    const std::string base = ExistingSaveFolder(m_s) + selectedName();
    // Saves without a picture beside them show none.
    std::error_code ec;
    if (std::filesystem::exists(base + ".png", ec)) {
        picture.picture = platform::LoadPictureFile(base + ".png").picture;
        picture.visible = picture.picture != nullptr;
    }
    date.caption = savedWhen(base + ".sav");
}

void LoadGameWindow::onTyped(const std::string& text) {
    for (std::size_t i = 0; i < entries().size(); ++i) {
        if (platform::EqualsNoCase(entries()[i], text)) {
            select(static_cast<int>(i));
            return;
        }
    }
}

void LoadGameWindow::pressMain() {
    // The window takes no input while the game loads; it closes once the game is shown.
    m_form.enabled = false;
    const std::string name = selectedName();
    if (name.empty()) {
        m_s.ui.messageBox(m_s.uiText[9], platform::kInformation, m_s.uiText[17]);
        m_form.enabled = true;
        return;
    }
    m_loaded = m_load(name, m_windows);
    // A save that could not be read leaves the window open for another choice.
    if (m_loaded)
        close();
    else
        m_form.enabled = true;
}

} // namespace run
