// Drive letters from mount tables and descriptions, and Windows drive paths mapped onto them.
#include "run/platform/drives/DriveTable.h"
#include "tests/support/ProjectBuilder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace run::platform {
namespace {

TEST(DriveTableTest, MountTableGivesCToTheRootAndLettersFromDByKind) {
    const char* mounts = "/dev/sda1 / ext4 rw,relatime 0 0\n"
                         "proc /proc proc rw 0 0\n"
                         "tmpfs /run tmpfs rw 0 0\n"
                         "//nas/share /mnt/share cifs rw 0 0\n"
                         "/dev/sdb1 /media/user/STICK vfat rw 0 0\n"
                         "/dev/sdc1 /mnt/camera vfat rw 0 0\n"
                         "/dev/sr1 /media/user/Disc\\040Two udf ro 0 0\n"
                         "/dev/sr0 /media/user/DISC1 iso9660 ro 0 0\n"
                         "/dev/sr0 /media/user/DISC1 iso9660 ro 0 0\n"
                         "server:/export /home/nfs nfs4 rw 0 0\n"
                         "garbage\n"
                         "\n";
    DriveTable t = DriveTable::FromMountTable(mounts);
    EXPECT_TRUE(t.filled());
    EXPECT_FALSE(t.find('c')) << "the root file system is no drive";
    // CDs first, in the order of their mount points, then removable volumes, then shares.
    ASSERT_TRUE(t.find('D') && t.find('E') && t.find('F') && t.find('G') && t.find('H'));
    EXPECT_EQ(t.find('D')->root, "/media/user/DISC1/");
    EXPECT_EQ(t.find('E')->root, "/media/user/Disc Two/");
    EXPECT_EQ(t.typeOf('E'), kDriveCdRom);
    EXPECT_EQ(t.find('F')->root, "/media/user/STICK/");
    EXPECT_EQ(t.typeOf('F'), kDriveRemovable);
    EXPECT_EQ(t.typeOf('G'), kDriveRemote);
    EXPECT_EQ(t.find('G')->root, "/home/nfs/");
    EXPECT_EQ(t.find('H')->root, "/mnt/share/");
    EXPECT_EQ(t.typeOf('I'), kDriveNoRoot) << "vfat outside /media is no drive; tmpfs and proc neither";
    EXPECT_EQ(t.drives().size(), 5u);

    EXPECT_TRUE(DriveTable::FromMountTable("").drives().empty());
    EXPECT_TRUE(DriveTable::FromMountTable("\x01\x02 \\\\\\ \n\n\n").drives().empty());
}

TEST(DriveTableTest, DescriptionNamesLettersFoldersAndTypes) {
    DriveTable t = DriveTable::FromDescription("d=/cd/one:cd;E=/data/:fixed;F=/f:removable;G=/net:remote;"
                                               "H=/ram:ram;I=/plain;J=/odd:name:cd;;x;1=/bad:cd;K=:cd");
    EXPECT_EQ(t.find('D')->root, "/cd/one/");
    EXPECT_EQ(t.typeOf('d'), kDriveCdRom);
    EXPECT_EQ(t.find('E')->root, "/data/");
    EXPECT_EQ(t.typeOf('F'), kDriveRemovable);
    EXPECT_EQ(t.typeOf('G'), kDriveRemote);
    EXPECT_EQ(t.typeOf('H'), kDriveRamDisk);
    EXPECT_EQ(t.typeOf('I'), kDriveFixed) << "no type given";
    EXPECT_EQ(t.find('J')->root, "/odd:name/");
    EXPECT_EQ(t.typeOf('K'), kDriveNoRoot) << "no folder";
    EXPECT_EQ(t.drives().size(), 7u);

    DriveTable empty = DriveTable::FromDescription("");
    EXPECT_TRUE(empty.filled());
    EXPECT_TRUE(empty.drives().empty());
    EXPECT_FALSE(DriveTable().filled());
}

TEST(DriveTableTest, EnvironmentVariableTakesPrecedenceOverTheSystem) {
    ::setenv("RUN_DRIVES", "Q=/somewhere:cd", 1);
    DriveTable t = DriveTable::FromEnvironment();
    ::unsetenv("RUN_DRIVES");
    EXPECT_EQ(t.drives().size(), 1u);
    EXPECT_EQ(t.typeOf('Q'), kDriveCdRom);
    const DriveTable system = DriveTable::FromSystem();
    for (const auto& [letter, drive] : system.drives())
        EXPECT_NE(drive.root, "/") << letter;
    // Nor can a description make a letter of the root folder.
    DriveTable given = DriveTable::FromDescription("C=/:fixed;D=//:cd;E=/mnt/cd:cd");
    EXPECT_FALSE(given.find('C'));
    EXPECT_FALSE(given.find('D'));
    EXPECT_TRUE(given.find('E'));
}

TEST(DriveTableTest, DrivePathsMapUnderTheDriveFolderAndNeverAbove) {
    DriveTable t;
    t.set('d', {"/mnt/cd", kDriveCdRom});
    EXPECT_EQ(t.toNative("D:\\Data\\Game\\Frames\\x.jpg"), "/mnt/cd/Data/Game/Frames/x.jpg");
    EXPECT_EQ(t.toNative("d:/Data/./x/../y.jpg"), "/mnt/cd/Data/y.jpg");
    EXPECT_EQ(t.toNative("D:"), "/mnt/cd/");
    EXPECT_EQ(t.toNative("D:\\..\\etc\\passwd"), std::nullopt);
    EXPECT_EQ(t.toNative("D:\\Data\\..\\..\\x"), std::nullopt);
    EXPECT_EQ(t.toNative("E:\\x"), std::nullopt) << "no such drive";
    EXPECT_EQ(t.toNative("\\\\server\\share"), std::nullopt);
    EXPECT_EQ(t.toNative(""), std::nullopt);

    testing::TempFolder tmp;
    t.set('E', {tmp.path().string(), kDriveFixed});
    EXPECT_TRUE(t.rootExists('e'));
    EXPECT_FALSE(t.rootExists('D'));
    EXPECT_FALSE(t.rootExists('?'));
    t.remove('E');
    EXPECT_FALSE(t.rootExists('E'));
}

} // namespace
} // namespace run::platform
