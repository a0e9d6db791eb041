// Drive letters on a system that has none: mounted discs, removable volumes under /media or
// /run/media and network shares are given letters so that games written for CD drives find
// their discs. RUN_DRIVES and tests point letters at folders of their own.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace run::platform {

// Drive types numbered as the classic drive-type call returns them.
enum DriveType : int {
    kDriveUnknown = 0,
    kDriveNoRoot = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6
};

struct Drive {
    std::string root; // the folder the letter stands for, ending in '/'
    int type = kDriveFixed;
};

class DriveTable {
  public:
    // Letters from a scan of the mounted volumes: CD and DVD volumes (iso9660, udf) come first
    // from D on, then removable mounts, then network shares. The root file system gets no
    // letter: a game reaches its own folders and its discs, never the whole machine.
    static DriveTable FromSystem();
    // Letters from a description "D=/path/to/cd1:cd;E=/other:fixed" (the RUN_DRIVES variable).
    static DriveTable FromDescription(const std::string& description);
    // Letters from the text of a mount table in the /proc/mounts format.
    static DriveTable FromMountTable(std::string_view mounts);
    // RUN_DRIVES when it is set, otherwise the system's mounts.
    static DriveTable FromEnvironment();

    // False for a table nobody has filled yet (a default-constructed one); an empty table
    // read from a description counts as filled.
    bool filled() const { return m_filled; }

    // A letter for a folder. The root folder "/" is refused (the letter stays free): a drive
    // that stood for the whole file system would let a game's paths reach any file.
    void set(char letter, Drive drive);
    void remove(char letter);
    // The drive of a letter (any case), if there is one.
    std::optional<Drive> find(char letter) const;
    int typeOf(char letter) const; // kDriveNoRoot when the letter has no drive
    // A Windows path "D:\Data\Game\x.jpg" as a native path under the drive's folder (the rest
    // still to be matched without regard to case); nullopt when the letter has no drive, or
    // when ".." parts would climb above the drive's folder.
    std::optional<std::string> toNative(const std::string& windowsPath) const;
    // True when "X:\" stands for a folder that exists.
    bool rootExists(char letter) const;
    const std::map<char, Drive>& drives() const { return m_drives; }

  private:
    std::map<char, Drive> m_drives; // upper-case letters
    bool m_filled = false;
};

} // namespace run::platform
