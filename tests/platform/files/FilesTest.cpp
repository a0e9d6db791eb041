#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/files/WindowsPath.h"

#include "tests/platform/files/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

using namespace run::platform;
using run::platform::test::TempFolder;

namespace {

void touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

} // namespace

TEST(AtomicFile, WritesReplacesAndLeavesNoTemporaries) {
    TempFolder dir;
    const auto file = dir / "deep" / "er" / "data.bin";
    const std::string bytes("a\0b\r\n\xFF", 6);
    ASSERT_EQ(WriteFileAtomically(file, bytes), "");
    EXPECT_EQ(ReadWholeFile(file), bytes);
    ASSERT_EQ(WriteFileAtomically(file, "second"), "");
    EXPECT_EQ(ReadWholeFile(file), "second");
    ASSERT_EQ(WriteFileAtomically(file, ""), "");
    EXPECT_EQ(ReadWholeFile(file), "");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(file.parent_path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(AtomicFile, FailureNamesTheFileAndKeepsTheOldOne) {
    TempFolder dir;
    std::filesystem::create_directories(dir / "taken");
    const std::string error = WriteFileAtomically(dir / "taken", "x");
    EXPECT_NE(error.find("taken"), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken"));

    touch(dir / "file");
    EXPECT_NE(WriteFileAtomically(dir / "file" / "below", "x"), ""); // parent is a file
    EXPECT_EQ(ReadWholeFile(dir / "file"), "x");
}

TEST(AtomicFile, ReadingMissingOrFolderGivesNothing) {
    TempFolder dir;
    EXPECT_FALSE(ReadWholeFile(dir / "missing"));
    EXPECT_FALSE(ReadWholeFile(dir.path()));
}

TEST(WindowsPath, ResolvesMixedCaseAndBackslashes) {
    TempFolder dir;
    touch(dir / "Games" / "MyGame" / "Data" / "Room1.DAT");
    const std::string base = dir.path().string();

    auto found = FindPathNoCase(base + "\\GAMES\\mygame\\data\\room1.dat");
    ASSERT_TRUE(found);
    EXPECT_EQ(*found, dir / "Games" / "MyGame" / "Data" / "Room1.DAT");
    EXPECT_EQ(FindPathNoCase(base + "/games//MYGAME/./Data\\ROOM1.dat"), found);
    EXPECT_EQ(FindPathNoCase(dir / "Games", "mygame\\DATA\\room1.dat"), found);
    EXPECT_FALSE(FindPathNoCase(base + "\\Games\\MyGame\\Data\\Room2.dat"));
    EXPECT_FALSE(FindPathNoCase(base + "\\Games\\MyGame\\Data\\Room1.DAT\\more"));
    EXPECT_FALSE(FindPathNoCase(dir / "games", "MyGame")); // the base is taken literally
    EXPECT_FALSE(FindPathNoCase(""));
}

TEST(WindowsPath, PrefersTheExactNameAndHandlesLatinLetters) {
    TempFolder dir;
    touch(dir / "readme.txt");
    touch(dir / "README.txt");
    touch(dir / "\u00C9T\u00C9.txt");
    EXPECT_EQ(FindPathNoCase(dir.path(), "README.txt"), dir / "README.txt");
    EXPECT_EQ(FindPathNoCase(dir.path(), "readme.txt"), dir / "readme.txt");
    EXPECT_TRUE(FindPathNoCase(dir.path(), "ReadMe.TXT"));
    EXPECT_EQ(FindPathNoCase(dir.path(), "\u00E9t\u00E9.TXT"), dir / "\u00C9T\u00C9.txt");
    // A name unpacked as the game's own Windows-1252 bytes is found by its letters.
    touch(dir / "caf\xE9.wav");
    EXPECT_EQ(FindPathNoCase(dir.path(), "CAF\u00C9.wav"), dir / "caf\xE9.wav");
}

TEST(WindowsPath, SeparatorsAndSafeNames) {
    EXPECT_EQ(ToNativeSeparators("a\\b/c\\\\d"), "a/b/c//d");
    EXPECT_TRUE(IsSafeRelativeName("Saves\\slot1.sav"));
    EXPECT_TRUE(IsSafeRelativeName("a/./b..c"));
    EXPECT_FALSE(IsSafeRelativeName(""));
    EXPECT_FALSE(IsSafeRelativeName("..\\secret"));
    EXPECT_FALSE(IsSafeRelativeName("a/../../b"));
    EXPECT_FALSE(IsSafeRelativeName("a/.../b"));
    EXPECT_FALSE(IsSafeRelativeName("\\Windows\\x"));
    EXPECT_FALSE(IsSafeRelativeName("/etc/passwd"));
    EXPECT_FALSE(IsSafeRelativeName("C:\\x"));
    EXPECT_FALSE(IsSafeRelativeName("c:x"));
    EXPECT_FALSE(IsSafeRelativeName(std::string_view("a\0b", 3)));
}

TEST(SettingsStore, ValuesSurviveIntoASecondInstance) {
    TempFolder dir;
    const auto file = dir / "cfg" / "settings.ini";
    {
        SettingsStore store(file);
        EXPECT_EQ(store.get("Software", "MyGame", "Volume", "50"), "50");
        ASSERT_TRUE(store.save("Software", "MyGame", "Volume", "80"));
        ASSERT_TRUE(store.save("Software", "MyGame", "Player", "\u00C9lodie"));
        ASSERT_TRUE(store.save("Software", "Other", "Volume", "10"));
        EXPECT_EQ(store.get("software", "mygame", "VOLUME", ""), "80");
    }
    SettingsStore again(file);
    EXPECT_EQ(again.get("Software", "MyGame", "Volume", ""), "80");
    EXPECT_EQ(again.get("Software", "MyGame", "Player", ""), "\u00C9lodie");
    EXPECT_EQ(again.get("Software", "Other", "Volume", ""), "10");
    EXPECT_NE(ReadWholeFile(file)->find("[Software\\MyGame]\r\n"), std::string::npos);

    EXPECT_TRUE(again.remove("Software", "MyGame", "Volume"));
    EXPECT_EQ(SettingsStore(file).get("Software", "MyGame", "Volume", "gone"), "gone");
}

TEST(SettingsStore, RefusedOrFailedSavesChangeNothing) {
    TempFolder dir;
    SettingsStore store(dir / "settings.ini");
    ASSERT_TRUE(store.save("Software", "G", "k", "1"));
    EXPECT_FALSE(store.save("Software", "G", "k", "line\nbreak"));
    EXPECT_FALSE(store.lastError().empty());
    EXPECT_EQ(store.get("Software", "G", "k", ""), "1");

    std::filesystem::create_directories(dir / "blocked");
    SettingsStore blocked(dir / "blocked");
    EXPECT_FALSE(blocked.save("Software", "G", "k", "1"));
    EXPECT_EQ(blocked.get("Software", "G", "k", "none"), "none");
}

TEST(SettingsStore, DefaultFileFollowsXdgConfigHome) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-test", 1);
    EXPECT_EQ(SettingsStore::DefaultFile(), "/tmp/xdg-test/run-player/settings.ini");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(SettingsStore::DefaultFile().filename(), "settings.ini");
    EXPECT_EQ(SettingsStore::DefaultFile().parent_path().parent_path().filename(), ".config");
    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}
