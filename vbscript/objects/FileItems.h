#pragma once
// The objects FileSystemObject hands out for things on disk: File, Folder,
// the Files and SubFolders collections, Drive and Drives. Each holds a
// resolved native path and checks it against the host's policy on every use.
#include "../Object.h"

#include <filesystem>
#include <string>

namespace vbs {

class Interp;

namespace files {

// path must be resolved and allowed for reading; raise 53 / 76 first when it
// is not a file / folder.
Object* newFile(Interp& rt, std::filesystem::path path);
Object* newFolder(Interp& rt, std::filesystem::path path);

// A drive from "C", "C:", "C:\" (through the host's mapPath) or a folder
// path; 68 when it does not exist.
Object* getDrive(Interp& rt, std::u16string_view spec);
bool driveExists(Interp& rt, std::u16string_view spec);
Object* newDrives(Interp& rt);
// The drive a resolved path lies on: the lettered drive whose mapped root
// holds it, else the file system root.
Object* driveOf(Interp& rt, const std::filesystem::path& path);

// The local-time Date of a time stamp.
double dateFromTime(int64_t seconds);

} // namespace files
} // namespace vbs
