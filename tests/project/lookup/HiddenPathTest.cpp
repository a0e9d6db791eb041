// Hidden media names: which names have one, the type codes, the name key and its 16-bit limit.
#include "run/project/FileLookup.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace run {
namespace {

TEST(HiddenPathTest, NameKeyedAndPlainFormsOfAFrameFile) {
    EXPECT_EQ(HiddenPath("/g/Frames/house.jpg", true), "/g/Frames/house.440");
    EXPECT_EQ(HiddenPath("/g/Frames/house.jpg", false), "/g/Frames/house.005");
    // Letter case counts neither in the extension nor in the key, and stays in the name.
    EXPECT_EQ(HiddenPath("/g/Frames/HOUSE.JPG", true), "/g/Frames/HOUSE.440");
    EXPECT_EQ(HiddenPath("C:\\Games\\Frames\\house.jpg", true), "C:\\Games\\Frames\\house.440");
    EXPECT_EQ(HiddenPath("house.jpg", true), "house.440") << "a bare file name";
}

TEST(HiddenPathTest, FiveCharacterNameIsTheShortestWithAHiddenName) {
    // a, '.', w = 97, 46, 119 with base 10: 97*2 - 46 + 119 = 267.
    EXPECT_EQ(HiddenPath("/g/Sounds/a.wav", true), "/g/Sounds/a.277");
    EXPECT_EQ(HiddenPath("/g/Sounds/a.wav", false), "/g/Sounds/a.010");
    // Four characters or fewer in the file name: no hidden name, however long the folder.
    for (const char* path :
         {"/g/Frames/.gif", "/a/very/long/folder/name/.wav", ".bmp", "/g/Frames/", "", "a", "/g/x.jpg/"}) {
        EXPECT_EQ(HiddenPath(path, true), path);
        EXPECT_EQ(HiddenPath(path, false), path);
    }
}

TEST(HiddenPathTest, OnlyTheListedFourCharacterExtensionsHaveHiddenNames) {
    for (const char* path : {"/g/clip.mpeg", "/g/song.midi", "/g/beep.au", "/g/tune.wm", "/g/readme.txt",
                             "/g/house.jpeg", "/g/housejpg"}) {
        EXPECT_EQ(HiddenPath(path, true), path);
        EXPECT_EQ(HiddenPath(path, false), path);
    }
    EXPECT_EQ(HiddenPath("/g/clip.MPG", false), "/g/clip.020");
    EXPECT_EQ(HiddenPath("/g/icon1.ico", false), "/g/icon1.002");
    EXPECT_EQ(HiddenPath("/g/movie.asf", false), "/g/movie.044");
}

TEST(HiddenPathTest, KeyUsesWindows1252CodesOfLowerCasedCharacters) {
    // é = 233, t = 116 with base 10: 233*2 - 116 + 233 = 583.
    EXPECT_EQ(HiddenPath("/g/été.wav", true), "/g/été.593");
    EXPECT_EQ(HiddenPath("/g/ÉTÉ.WAV", true), "/g/ÉTÉ.593");
    // A negative sum counts by its size: 33*2 - 255 + 33 = -156 with base 4.
    EXPECT_EQ(HiddenPath("/g/!ÿ!.bmp", true), "/g/!ÿ!.160");
    // Codes beyond three digits are written in full: 255*3 - 32 + 255 = 988 with base 44.
    EXPECT_EQ(HiddenPath("/g/ÿ ÿ.asf", true), "/g/ÿ ÿ.1032");
}

TEST(HiddenPathTest, MalformedTextStillGetsANameWithoutFailing) {
    const std::string path = "/g/\xFF\xFE\x80.wav";
    std::string hidden;
    ASSERT_NO_THROW(hidden = HiddenPath(path, true));
    ASSERT_EQ(hidden.substr(0, path.size() - 4), path.substr(0, path.size() - 4));
    EXPECT_GE(hidden.size(), path.size());
    EXPECT_EQ(hidden[path.size() - 4], '.');
}

TEST(HiddenPathTest, NameKeyIsSixteenBitArithmetic) {
    EXPECT_EQ(NameKeyedTypeCode(5, 104, 111, 117), 440);
    EXPECT_EQ(NameKeyedTypeCode(0, 32767, 0, 0), 32767) << "the largest value still fits";
    EXPECT_THROW(NameKeyedTypeCode(1, 32767, 0, 0), std::overflow_error) << "32767 * 2";
    EXPECT_THROW(NameKeyedTypeCode(4, 0, 32767, -1), std::overflow_error) << "the size of -32768";
    EXPECT_THROW(NameKeyedTypeCode(32000, 1000, 0, 1000), std::overflow_error) << "base plus the key";
    EXPECT_THROW(NameKeyedTypeCode(5, 70000, 0, 0), std::overflow_error) << "a code beyond 16 bits";
}

} // namespace
} // namespace run
