// The window that asks for a game when `run` has none: folders and games listed, the keys that
// walk them, the game opened, and the recent games kept in the settings.
#include "run/core/GameFolderChooser.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/Keys.h"
#include "run/platform/ui/WindowSystem.h"
#include "tests/e2e/Play.h"

namespace run {
namespace {

namespace fs = std::filesystem;
using platform::InputEvent;

struct Rig {
    testing::TempFolder tmp;
    platform::HeadlessBackend backend;
    platform::FontCatalog fonts;
    platform::WindowSystem ui{backend, fonts};
    platform::SettingsStore settings{tmp / "settings.ini"};

    void game(const fs::path& folder, const std::string& title) {
        ProjectInfo info = testing::BasicInfo();
        info.AdventureName = title;
        testing::ProjectBuilder(folder).general(info);
    }
    void key(int code) {
        backend.inject({InputEvent::Type::KeyDown, 0, 0, 0, 0, code, 0});
        backend.inject({InputEvent::Type::KeyUp, 0, 0, 0, 0, code, 0});
    }
    void type(const std::string& text) {
        backend.inject({InputEvent::Type::TextInput, 0, 0, 0, 0, 0, 0, text});
    }
};

TEST(GameFolderChooser, WalksFoldersOpensAGameAndRemembersIt) {
    Rig r;
    const fs::path root = r.tmp / "games";
    r.game(root / "b-game", "The Bell");
    r.game(root / "a-folder" / "inner", "Inner Light");
    fs::create_directories(root / ".hidden");
    {
        GameFolderChooser chooser(r.ui, r.settings, root);
        // Up from the first game to the folder, into it, back out, then "b" finds the game.
        r.key(platform::kKeyUp);
        r.key(platform::kKeyReturn);
        r.key(platform::kKeyBack);
        r.type("b");
        r.key(platform::kKeyReturn);
        const auto chosen = chooser.choose();
        ASSERT_TRUE(chosen);
        EXPECT_EQ(*chosen, root / "b-game");
        EXPECT_EQ(chooser.entries(),
                  (std::vector<std::string>{".. (up one folder)", "a-folder/", "b-game   [game: The Bell]"}))
            << "hidden folders are left out";
    }
    EXPECT_EQ(RecentGames(r.settings), std::vector<fs::path>{fs::canonical(root / "b-game")});

    // The next time the recent game comes first and Enter opens it; Escape closes with nothing.
    {
        GameFolderChooser chooser(r.ui, r.settings, root / "a-folder");
        r.key(platform::kKeyReturn);
        EXPECT_EQ(chooser.choose(), fs::canonical(root / "b-game"));
        EXPECT_EQ(chooser.entries().front(), "Recent: The Bell - " + fs::canonical(root / "b-game").string());
    }
    {
        GameFolderChooser chooser(r.ui, r.settings, root / "missing");
        r.key(platform::kKeyEscape);
        EXPECT_FALSE(chooser.choose());
        EXPECT_NE(chooser.form().get("lblFolder").caption.find("cannot be read"), std::string::npos);
    }

    // At most eight, newest first, each once; games that went away drop out.
    for (int i = 0; i < 10; ++i)
        r.game(root / ("g" + std::to_string(i)), "G");
    for (int i = 0; i < 10; ++i)
        ASSERT_TRUE(RememberRecentGame(r.settings, root / ("g" + std::to_string(i))));
    RememberRecentGame(r.settings, root / "g5");
    fs::remove_all(root / "g8");
    std::vector<std::string> names;
    for (const fs::path& g : RecentGames(r.settings))
        names.push_back(g.filename().string());
    EXPECT_EQ(names, (std::vector<std::string>{"g5", "g9", "g7", "g6", "g4", "g3", "g2"}));
    EXPECT_FALSE(IsGameFolder(root / "a-folder"));
    EXPECT_TRUE(IsGameFolder(root / "a-folder" / "inner"));
}

} // namespace
} // namespace run
