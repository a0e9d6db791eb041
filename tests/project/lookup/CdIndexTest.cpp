// The CD index, the CD drive letter, and finding files on a CD that is already in the drive.
#include "run/project/FileLookup.h"
#include "tests/project/lookup/LookupRig.h"

#include <gtest/gtest.h>

namespace run {
namespace {

using testing::LookupRig;

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(CdIndexTest, KeepsOnlyEntriesWithANameAnExistingCdAndAFolder) {
    LookupRig r;
    r.makeCdProject(2, {{"a.jpg", 1, 1},
                        {"b.jpg", 0, 1},
                        {"c.jpg", 3, 1},
                        {"", 1, 1},
                        {"d.bmp", 2, 2},
                        {"e.jpg", 2, 0},
                        {"f.jpg", -1, 1},
                        {"g.jpg", 2, 7}});
    LoadCdIndex(r.s);
    EXPECT_EQ(r.s.cdIndex.numberOfCds, 2);
    ASSERT_EQ(r.s.cdIndex.entries.size(), 3u);
    EXPECT_EQ(r.s.cdIndex.entries[0].name, "a.jpg");
    EXPECT_EQ(r.s.cdIndex.entries[0].cdNumber, 1);
    EXPECT_EQ(r.s.cdIndex.entries[0].folderKind, "1");
    EXPECT_EQ(r.s.cdIndex.entries[1].name, "d.bmp");
    EXPECT_EQ(r.s.cdIndex.entries[1].folderKind, "2");
    EXPECT_EQ(r.s.cdIndex.entries[2].folderKind, "7");
    EXPECT_TRUE(r.messageBoxes().empty());

    LoadCdIndex(r.s);
    EXPECT_EQ(r.s.cdIndex.entries.size(), 3u) << "reading again starts afresh";
}

TEST(CdIndexTest, DamagedIndexShowsTheErrorBoxAndKeepsWhatWasRead) {
    LookupRig r;
    r.makeCdProject(2, {{"a.jpg", 1, 1}, {"b.jpg", 2, 1}});
    const std::string good = (r.project.folder() / "Config" / "CDContents").string();
    std::string bytes;
    {
        std::ifstream in(good, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    for (const std::string& damage :
         {std::string("c.jpg\r\nnot a number\r\n1\r\n"), std::string("c.jpg\r\n1\r\n"),
          std::string("c.jpg\r\n99999\r\n1\r\n")}) {
        SCOPED_TRACE(damage);
        r.project.file("Config/CDContents", bytes + damage);
        std::size_t boxes = r.messageBoxes().size();
        LoadCdIndex(r.s);
        ASSERT_EQ(r.messageBoxes().size(), boxes + 1);
        EXPECT_TRUE(endsWith(r.messageBoxes().back().text, " Error loading CD index."));
        EXPECT_EQ(r.messageBoxes().back().style, platform::kCritical);
        EXPECT_EQ(r.s.cdIndex.entries.size(), 2u);
    }

    r.project.file("Config/CDContents", "\"x\"\r\n1\r\n");
    LoadCdIndex(r.s);
    EXPECT_TRUE(endsWith(r.messageBoxes().back().text, " Error loading CD index."));
    EXPECT_TRUE(r.s.cdIndex.entries.empty());
}

TEST(CdIndexTest, WithoutMarkerAndIndexThereIsNoCdProject) {
    LookupRig r;
    r.makeCdProject(1, {{"a.jpg", 1, 1}});
    r.project.remove("RunFromCD.dat");
    LoadCdIndex(r.s);
    EXPECT_FALSE(IsCdProject(r.s));
    EXPECT_TRUE(r.s.cdIndex.entries.empty());
    const std::string asked = r.s.paths.frames + "a.jpg";
    EXPECT_EQ(r.s.files.LocateOnCd(asked), asked);

    r.makeCdProject(1, {{"a.jpg", 1, 1}});
    r.project.remove("Config/CDContents");
    EXPECT_FALSE(IsCdProject(r.s));
    EXPECT_TRUE(r.messageBoxes().empty());
}

TEST(CdDriveTest, LastCdDriveFromAToVWinsAndNoneMeansD) {
    LookupRig r;
    const std::string f = r.tmp.path().string();
    r.s.drives = platform::DriveTable::FromDescription("D=" + f + ":cd;E=" + f + ":fixed;F=" + f +
                                                       ":cd;W=" + f + ":cd");
    EXPECT_EQ(DetectCdDrive(r.s), 'F');
    r.s.drives = platform::DriveTable::FromDescription("C=/:fixed;W=" + f + ":cd");
    EXPECT_EQ(DetectCdDrive(r.s), 'd');
}

TEST(CdDriveTest, FirstCdLookupWithoutACdDriveStoresD) {
    LookupRig r;
    r.makeCdProject(1, {});
    r.s.drives = platform::DriveTable::FromDescription("C=/:fixed");
    LoadCdIndex(r.s);
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", "unset"), "unset") << "nothing asked for yet";
    const std::string asked = r.s.paths.frames + "house.jpg";
    EXPECT_EQ(r.s.files.LocateOnCd(asked), HiddenPath(asked, true)) << "not in the index";
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", ""), "d");

    // A stored letter is used as it is.
    r.s.saveUserSetting("DriveLetter", "E");
    r.s.files.LocateOnCd(asked);
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", ""), "E");
}

TEST(CdDriveTest, IndexedFilesAreFoundInTheirFolderOnTheCdInTheDrive) {
    LookupRig r;
    r.makeCdProject(1, {{"Door.bmp", 1, 2}, {"odd.jpg", 1, 3}});
    r.s.drives = platform::DriveTable::FromDescription("E=" + (r.tmp / "disc").string() + ":cd");
    LoadCdIndex(r.s);
    const std::string door = r.putOutside("disc/DATA/quest/areas/" + HiddenPath("door.bmp", true));
    EXPECT_EQ(r.s.files.LocateOnCd(r.s.paths.areas + "DOOR.BMP"), door);
    EXPECT_EQ(r.s.files.ResolveProjectFile(r.s.paths.areas + "door.bmp"), door);
    // A folder kind other than Frames and Areas names no place on the CD.
    EXPECT_EQ(r.s.files.LocateOnCd("odd.jpg"), "odd.jpg");
    EXPECT_TRUE(r.messageBoxes().empty());
    EXPECT_EQ(r.s.getUserSetting("DriveLetter", ""), "E");
}

} // namespace
} // namespace run
