// The window `run` shows when it is started without a game folder and does not lie inside one:
// the games played lately, then the folders of the folder it looks at. Enter or a double click
// opens a game, or goes into a folder; Backspace goes up; Escape closes. The games opened are
// kept in the per-user settings, newest first.
#pragma once

#include "run/platform/ui/Form.h"
#include "run/platform/ui/ListRows.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace run {

namespace platform {
class SettingsStore;
class WindowSystem;
} // namespace platform

// A folder the player can play: it has Config/General (any letter case).
bool IsGameFolder(const std::filesystem::path& folder);

// The games opened lately that are still there, newest first.
std::vector<std::filesystem::path> RecentGames(const platform::SettingsStore& settings);
// Puts the game first in the list (at most kRecentGames long); false when it cannot be stored.
bool RememberRecentGame(platform::SettingsStore& settings, const std::filesystem::path& game);
constexpr int kRecentGames = 8;

class GameFolderChooser {
  public:
    GameFolderChooser(platform::WindowSystem& ui, platform::SettingsStore& settings,
                      std::filesystem::path startFolder);
    ~GameFolderChooser();
    GameFolderChooser(const GameFolderChooser&) = delete;
    GameFolderChooser& operator=(const GameFolderChooser&) = delete;

    // Shows the window until a game is opened (its folder, also remembered as recent) or the
    // window is closed (nothing).
    std::optional<std::filesystem::path> choose();

    platform::Form& form() { return m_form; }
    const std::filesystem::path& folder() const { return m_folder; }
    const std::vector<std::string>& entries() const { return m_list.entries(); }
    static constexpr const char* kFormName = "frmChooseGame";

    // What the buttons and keys do.
    void open();
    void goUp();
    void cancel();
    void showFolder(const std::filesystem::path& folder);

  private:
    enum class Kind { Recent, Up, Game, Folder };
    struct Entry {
        Kind kind;
        std::filesystem::path path;
    };
    void build();
    void onKey(int keyCode, int shift);
    void jumpTo(const std::string& typed);

    platform::WindowSystem& m_ui;
    platform::SettingsStore& m_settings;
    platform::Form m_form{kFormName};
    platform::ListRows m_list;
    std::filesystem::path m_folder;
    std::vector<Entry> m_entries;
    std::optional<std::filesystem::path> m_chosen;
};

} // namespace run
