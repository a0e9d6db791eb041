// The one lookup every media file goes through: the plain name, the hidden names of compiled
// games, the right CD of a multi-CD game, and the missing-file warning. Also the CD side:
// the drive letter, the drive dialog and halting the game while a CD is awaited.
#pragma once

#include <optional>
#include <string>

namespace run {

struct Session;

// The hidden media name of a path, name-keyed or plain; the path itself when it has none.
// Throws std::overflow_error when the name-keyed code overflows 16 bits.
std::string HiddenPath(const std::string& path, bool nameKeyed);
// The name-keyed type code from a base code and the codes of a name's first three characters,
// in 16-bit arithmetic; throws std::overflow_error when a step leaves the 16-bit range.
int NameKeyedTypeCode(int base, int a, int b, int c);
// Returns the path of the file to open: as found on disk (any letter case, backslashes
// accepted), or the last candidate tried after the missing-file warning.
std::string ResolveProjectFile(Session& s, const std::string& path);
// The same lookup without asking anything: the file as found on disk under its plain or hidden
// names, or nothing (no CD is asked for, no warning shown).
std::optional<std::string> FindProjectFile(const Session& s, const std::string& path);
// The whole lookup, the CD of a multi-CD game included (which may ask for that CD), without the
// missing-file warning: the file as found, or nothing.
std::optional<std::string> ResolveProjectFileQuietly(Session& s, const std::string& path);
std::string LocateOnCd(Session& s, const std::string& path);
bool IsCdProject(const Session& s);
// Gives the session its drive letters (RUN_DRIVES, else the mounted volumes) when it has none.
void EnsureDriveLetters(Session& s);
// Reads Config/CDContents when the project is a CD project.
void LoadCdIndex(Session& s);
// The last CD drive letter from A to V, or 'd' when there is none.
char DetectCdDrive(const Session& s);
// Stops what runs while the player is asked for a CD (or the game ends).
void HaltGame(Session& s);
void StopEverything(Session& s);

} // namespace run
