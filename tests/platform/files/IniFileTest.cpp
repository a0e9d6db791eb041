#include "run/platform/files/IniFile.h"
#include "run/platform/files/AtomicFile.h"

#include "tests/platform/files/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

using namespace run::platform;
using run::platform::test::TempFolder;

TEST(IniFile, NamesAreCaseInsensitiveAndTrimmed) {
    const auto ini = IniFile::parse("[Game Options]\r\n  Volume =  80  \r\nName=\xC9lodie\r\n");
    EXPECT_EQ(ini.get("game options", "VOLUME"), "80");
    EXPECT_EQ(ini.get(" GAME OPTIONS ", "volume"), "80");
    EXPECT_EQ(ini.get("Game Options", "name"), "\u00C9lodie");
    EXPECT_FALSE(ini.get("Game Options", "Missing"));
    EXPECT_FALSE(ini.get("Other", "Volume"));
}

TEST(IniFile, FirstDuplicateWinsAcrossRepeatedSections) {
    const auto ini = IniFile::parse("[a]\nk=1\nK=2\n[b]\nk=3\n[A]\nk=4\nj=5\n");
    EXPECT_EQ(ini.get("a", "k"), "1");
    EXPECT_EQ(ini.get("a", "j"), "5");
    EXPECT_EQ(ini.keys("A"), (std::vector<std::string>{"k", "j"}));
}

TEST(IniFile, IgnoresCommentsAndLinesWithoutEquals) {
    const auto ini =
        IniFile::parse("stray=before\n[s]\n; k=commented\njust words\n=no key\nk=v=w\n[broken\nx=1");
    EXPECT_EQ(ini.get("s", "k"), "v=w");
    EXPECT_FALSE(ini.get("s", ""));
    EXPECT_EQ(ini.get("broken", "x"), "1");
    EXPECT_FALSE(ini.get("", "stray"));
}

TEST(IniFile, SetKeepsOrderAndCommentsAndAppendsNewKeys) {
    auto ini = IniFile::parse("; top\n[One]\na=1\nb = 2\n\n[Two]\nc=3\n");
    ini.set("one", "B", "20");
    ini.set("One", "new", "x");
    ini.set("Three", "d", "4");
    EXPECT_EQ(ini.serialize(),
              "; top\r\n[One]\r\na=1\r\nb=20\r\nnew=x\r\n\r\n[Two]\r\nc=3\r\n[Three]\r\nd=4\r\n");
}

TEST(IniFile, RemovesKeysAndSections) {
    auto ini = IniFile::parse("[s]\nk=1\nk=2\nother=3\n[t]\nx=1\n[S]\nk=9\n");
    EXPECT_TRUE(ini.removeKey("S", "K"));
    EXPECT_FALSE(ini.get("s", "k"));
    EXPECT_EQ(ini.get("s", "other"), "3");
    EXPECT_FALSE(ini.removeKey("s", "k"));
    EXPECT_TRUE(ini.removeSection("T"));
    EXPECT_FALSE(ini.hasSection("t"));
    EXPECT_EQ(ini.serialize(), "[s]\r\nother=3\r\n[S]\r\n");
}

TEST(IniFile, RefusesTextTheFileCannotHold) {
    IniFile ini;
    EXPECT_THROW(ini.set("s", "k", "two\nlines"), std::invalid_argument);
    EXPECT_THROW(ini.set("s]", "k", "v"), std::invalid_argument);
    EXPECT_THROW(ini.set("s", "a=b", "v"), std::invalid_argument);
    EXPECT_THROW(ini.set("s", ";k", "v"), std::invalid_argument);
    EXPECT_THROW(ini.set("s", " ", "v"), std::invalid_argument);
    EXPECT_THROW(ini.set("s", "k", "\u0394"), std::invalid_argument);
    EXPECT_EQ(ini.serialize(), "");
}

TEST(IniFile, ValuesAreWindows1252OnDisk) {
    IniFile ini;
    ini.set("s", "k", "\u20AC \u00E9");
    EXPECT_EQ(ini.serialize(), "[s]\r\nk=\x80 \xE9\r\n");
    EXPECT_EQ(IniFile::parse(ini.serialize()).get("s", "k"), "\u20AC \u00E9");
}

TEST(IniFile, SurvivesHugeAndGarbageInput) {
    std::string huge = "[s]\nk=" + std::string(10 * 1024 * 1024, 'x');
    const auto big = IniFile::parse(huge);
    EXPECT_EQ(big.get("s", "k")->size(), 10u * 1024 * 1024);

    std::mt19937 rng(7);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage)
        c = char(rng());
    const auto ini = IniFile::parse(garbage);
    // Whatever was found must survive a save and reload unchanged.
    EXPECT_EQ(IniFile::parse(ini.serialize()).serialize(), ini.serialize());
}

TEST(PrivateProfile, MissingFileSectionOrKeyGivesDefault) {
    TempFolder dir;
    EXPECT_EQ(GetPrivateProfileString(dir / "none.ini", "s", "k", "dflt"), "dflt");
    ASSERT_EQ(WriteFileAtomically(dir / "a.ini", "[s]\nk=v\n"), "");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "x", "k", "d1"), "d1");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "x", "d2"), "d2");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "S", "K", "d3"), "v");
    EXPECT_EQ(GetPrivateProfileString(dir.path(), "s", "k", "folder"), "folder");
}

TEST(PrivateProfile, TruncatesToTheBufferSize) {
    TempFolder dir;
    ASSERT_TRUE(WritePrivateProfileString(dir / "a.ini", "s", "k", "abcdef\u00E9\u00E9"));
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "k", "", 4), "abc");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "k", "", 8), "abcdef\u00E9"); // whole characters
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "k", "", 1), "");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "k", "", 0), "");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "nope", "default", 4), "def");
    EXPECT_EQ(GetPrivateProfileString(dir / "a.ini", "s", "k", "").size(), 10u);
}

TEST(PrivateProfile, WritesCreateTheFileAndKeepOtherKeys) {
    TempFolder dir;
    const auto file = dir / "sub" / "folder" / "game.ini";
    ASSERT_TRUE(WritePrivateProfileString(file, "Game", "Score", "10"));
    ASSERT_TRUE(WritePrivateProfileString(file, "Game", "Name", "Ann"));
    ASSERT_TRUE(WritePrivateProfileString(file, "game", "score", "12"));
    ASSERT_TRUE(WritePrivateProfileString(file, "Other", "x", "1"));
    EXPECT_EQ(ReadWholeFile(file), "[Game]\r\nScore=12\r\nName=Ann\r\n[Other]\r\nx=1\r\n");

    EXPECT_TRUE(DeletePrivateProfileKey(file, "GAME", "score"));
    EXPECT_TRUE(DeletePrivateProfileKey(file, "Game", "never there"));
    EXPECT_TRUE(DeletePrivateProfileSection(file, "other"));
    EXPECT_EQ(ReadWholeFile(file), "[Game]\r\nName=Ann\r\n");

    // A refused value leaves the file as it was.
    EXPECT_FALSE(WritePrivateProfileString(file, "Game", "Name", "a\r\nb"));
    EXPECT_EQ(GetPrivateProfileString(file, "Game", "Name", ""), "Ann");
    // A folder in the file's place is not replaced.
    EXPECT_FALSE(WritePrivateProfileString(dir / "sub", "s", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "sub"));
}
