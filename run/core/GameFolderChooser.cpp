#include "run/core/GameFolderChooser.h"

#include "run/platform/files/SettingsStore.h"
#include "run/platform/files/TextCodec.h"
#include "run/platform/ui/Keys.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/ProjectInfo.h"

#include <algorithm>
#include <exception>

namespace run {

namespace fs = std::filesystem;
using platform::Element;
using platform::ElementKind;

namespace {

constexpr const char* kSettingsApp = "run-player";
constexpr const char* kRecentSection = "Recent games";
constexpr int kWidth = 7200;
constexpr int kBorder = 45;
constexpr int kListTop = 480;
constexpr int kRows = 16;

// The child of `folder` whose name is `name` in any letter case.
std::optional<fs::path> childNoCase(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    const std::string wanted = platform::LowerCaseWin(name);
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (platform::LowerCaseWin(it->path().filename().string()) == wanted) return it->path();
    return std::nullopt;
}

std::optional<fs::path> generalFile(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return std::nullopt;
    const auto config = childNoCase(folder, "Config");
    if (!config || !fs::is_directory(*config, ec)) return std::nullopt;
    const auto general = childNoCase(*config, "General");
    if (!general || !fs::is_regular_file(*general, ec)) return std::nullopt;
    return general;
}

// The game's title as its General file gives it; "" when it does not read.
std::string gameTitle(const fs::path& general) {
    try {
        ProjectInfo info;
        ReadProjectInfo(general.string(), info);
        return info.AdventureName;
    } catch (const std::exception&) {
        return "";
    }
}

std::string nameOf(const fs::path& p) {
    const std::string name = p.filename().string();
    return name.empty() ? p.string() : name;
}

} // namespace

bool IsGameFolder(const fs::path& folder) {
    return generalFile(folder).has_value();
}

std::vector<fs::path> RecentGames(const platform::SettingsStore& settings) {
    std::vector<fs::path> games;
    for (int i = 1; i <= kRecentGames; ++i) {
        const std::string path = settings.get(kSettingsApp, kRecentSection, std::to_string(i), "");
        if (!path.empty() && IsGameFolder(path)) games.emplace_back(path);
    }
    return games;
}

bool RememberRecentGame(platform::SettingsStore& settings, const fs::path& game) {
    std::error_code ec;
    const fs::path full = fs::weakly_canonical(game, ec);
    std::vector<fs::path> games{ec ? game : full};
    for (const fs::path& g : RecentGames(settings))
        if (g != games.front() && static_cast<int>(games.size()) < kRecentGames) games.push_back(g);
    for (int i = 1; i <= kRecentGames; ++i) {
        const std::string key = std::to_string(i);
        const bool ok =
            i <= static_cast<int>(games.size())
                ? settings.save(kSettingsApp, kRecentSection, key, games[std::size_t(i - 1)].string())
                : settings.get(kSettingsApp, kRecentSection, key, "").empty() ||
                      settings.remove(kSettingsApp, kRecentSection, key);
        if (!ok) return false;
    }
    return true;
}

GameFolderChooser::GameFolderChooser(platform::WindowSystem& ui, platform::SettingsStore& settings,
                                     fs::path startFolder)
    : m_ui(ui), m_settings(settings), m_list(m_form, ui, "lstFolders", "lstFoldersRow"),
      m_folder(std::move(startFolder)) {
    build();
}

GameFolderChooser::~GameFolderChooser() {
    if (m_ui.isLoaded(m_form)) m_ui.unload(m_form);
}

void GameFolderChooser::build() {
    platform::Form& f = m_form;
    f.width = kWidth;
    f.borderTwips = kBorder;
    f.caption = "Choose a game";

    Element& where = f.addElement(ElementKind::Label, "lblFolder");
    where.left = 240;
    where.top = 120;
    where.width = kWidth - 2 * kBorder - 480;
    where.height = 255;
    where.backTransparent = true;

    m_list.build({240, kListTop, kWidth - 2 * kBorder - 480, kRows}, nullptr, [this] { open(); });

    const int below = kListTop + m_list.height() + 120;
    Element& hint = f.addElement(ElementKind::Label, "lblHint");
    hint.left = 240;
    hint.top = below;
    hint.width = kWidth - 2 * kBorder - 480;
    hint.height = 255;
    hint.backTransparent = true;
    hint.caption = "Enter or a double click opens; Backspace goes up; Escape closes.";

    const int buttons = below + 375;
    const int left = kWidth - 2 * kBorder - 240 - 2 * 1440 - 120;
    platform::AddPushButton(f, "cmdOpen", left, buttons, "Open", [this] { open(); });
    platform::AddPushButton(f, "cmdCancel", left + 1440 + 120, buttons, "Cancel", [this] { cancel(); });
    f.height = buttons + 375 + 240 + 2 * kBorder;

    f.onKeyDown = [this](int key, int shift) { onKey(key, shift); };
    f.onTextInput = [this](const std::string& text) { jumpTo(text); };
}

void GameFolderChooser::showFolder(const fs::path& folder) {
    std::error_code ec;
    m_folder = fs::absolute(folder, ec).lexically_normal();
    if (!m_folder.has_filename() && m_folder.has_parent_path() && m_folder != m_folder.root_path())
        m_folder = m_folder.parent_path();
    m_entries.clear();
    std::vector<std::string> texts;
    for (const fs::path& g : RecentGames(m_settings)) {
        const auto general = generalFile(g);
        const std::string title = general ? gameTitle(*general) : "";
        m_entries.push_back({Kind::Recent, g});
        texts.push_back("Recent: " + (title.empty() ? nameOf(g) : title) + " - " + g.string());
    }
    if (m_folder.has_parent_path() && m_folder != m_folder.root_path()) {
        m_entries.push_back({Kind::Up, m_folder.parent_path()});
        texts.push_back(".. (up one folder)");
    }
    std::vector<fs::path> folders;
    std::string problem;
    fs::directory_iterator it(m_folder, ec);
    if (ec) problem = ec.message();
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        if (name.empty() || name[0] == '.' || !it->is_directory(kind)) continue;
        folders.push_back(it->path());
    }
    std::sort(folders.begin(), folders.end(), [](const fs::path& a, const fs::path& b) {
        return platform::LowerCaseWin(a.filename().string()) < platform::LowerCaseWin(b.filename().string());
    });
    for (const fs::path& p : folders) {
        if (const auto general = generalFile(p)) {
            const std::string title = gameTitle(*general);
            m_entries.push_back({Kind::Game, p});
            texts.push_back(nameOf(p) + "   [game" + (title.empty() ? "" : ": " + title) + "]");
        } else {
            m_entries.push_back({Kind::Folder, p});
            texts.push_back(nameOf(p) + "/");
        }
    }
    m_form.get("lblFolder").caption =
        m_folder.string() + (problem.empty() ? "" : "  (cannot be read: " + problem + ")");
    m_list.setEntries(std::move(texts));
    // The first game is where Enter goes, else the first folder below this one.
    int first = -1;
    for (std::size_t i = 0; i < m_entries.size() && first < 0; ++i)
        if (m_entries[i].kind == Kind::Recent || m_entries[i].kind == Kind::Game) first = static_cast<int>(i);
    for (std::size_t i = 0; i < m_entries.size() && first < 0; ++i)
        if (m_entries[i].kind == Kind::Folder) first = static_cast<int>(i);
    m_list.select(first >= 0 ? first : 0);
}

void GameFolderChooser::open() {
    const int at = m_list.selected();
    if (at < 0 || at >= static_cast<int>(m_entries.size())) return;
    const Entry e = m_entries[static_cast<std::size_t>(at)];
    if (e.kind == Kind::Up) {
        goUp();
    } else if (IsGameFolder(e.path)) {
        // A folder that is a game opens, whatever the list called it.
        m_chosen = e.path;
        RememberRecentGame(m_settings, e.path);
        m_ui.unload(m_form);
    } else if (e.kind == Kind::Folder) {
        showFolder(e.path);
    } else {
        showFolder(m_folder); // a recent game that went away: the list is made afresh
    }
}

void GameFolderChooser::goUp() {
    if (!m_folder.has_parent_path() || m_folder == m_folder.root_path()) return;
    const fs::path from = m_folder;
    showFolder(m_folder.parent_path());
    // The folder we came out of stays selected.
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].kind != Kind::Recent && m_entries[i].path == from)
            m_list.select(static_cast<int>(i));
}

void GameFolderChooser::cancel() {
    m_chosen.reset();
    if (m_ui.isLoaded(m_form)) m_ui.unload(m_form);
}

void GameFolderChooser::onKey(int keyCode, int shift) {
    if (shift & (platform::kCtrlMask | platform::kAltMask)) return;
    if (m_list.onKey(keyCode)) return;
    switch (keyCode) {
    case platform::kKeyReturn:
        open();
        break;
    case platform::kKeyBack:
        goUp();
        break;
    case platform::kKeyEscape:
        cancel();
        break;
    default:
        break;
    }
}

void GameFolderChooser::jumpTo(const std::string& typed) {
    if (typed.empty() || typed == " ") return;
    const std::string start = platform::LowerCaseWin(typed);
    const int n = static_cast<int>(m_entries.size());
    // The next entry after the selected one whose name starts with what was typed.
    for (int step = 1; step <= n; ++step) {
        const int i = (m_list.selected() + step) % n;
        const Entry& e = m_entries[static_cast<std::size_t>(i)];
        if (e.kind != Kind::Game && e.kind != Kind::Folder) continue;
        if (platform::LowerCaseWin(nameOf(e.path)).rfind(start, 0) == 0) {
            m_list.select(i);
            return;
        }
    }
}

std::optional<fs::path> GameFolderChooser::choose() {
    m_ui.load(m_form);
    showFolder(m_folder);
    m_ui.centre(m_form);
    m_ui.show(m_form);
    m_ui.runUntil([this] { return !m_form.loaded || m_ui.quitRequested(); });
    if (m_form.loaded) cancel();
    return m_chosen;
}

} // namespace run
