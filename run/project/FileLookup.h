// The one lookup every media file goes through: the plain name, the hidden names of compiled
// games, the right CD of a multi-CD game, and the missing-file warning. Also the CD side:
// the drive letter, the drive dialog and halting the game while a CD is awaited.
#pragma once

#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"

#include <functional>
#include <optional>
#include <string>

namespace run {

// What the CD wait asks of the game in play; the game window's owner implements it.
class GameHalting {
  public:
    virtual ~GameHalting() = default;
    // Stops what runs (videos, sounds, transitions, timers) while the player is asked for a CD.
    virtual void HaltGame() = 0;
    // The player gave up: the game stops, leaving the menu bar to quit or load a game.
    virtual void StopEverything() = 0;
    // Takes what runs now and returns how to set it running again once the CD is there.
    virtual std::function<void()> RememberRunning() = 0;
};

// The hidden media name of a path, name-keyed or plain; the path itself when it has none.
// Throws std::overflow_error when the name-keyed code overflows 16 bits.
std::string HiddenPath(const std::string& path, bool nameKeyed);
// The name-keyed type code from a base code and the codes of a name's first three characters,
// in 16-bit arithmetic; throws std::overflow_error when a step leaves the 16-bit range.
int NameKeyedTypeCode(int base, int a, int b, int c);
bool IsCdProject(const ProjectContext& s);
// Gives the project its drive letters (RUN_DRIVES, else the mounted volumes) when it has none.
void EnsureDriveLetters(ProjectContext& s);
// Reads Config/CDContents when the project is a CD project.
void LoadCdIndex(ProjectContext& s);
// The last CD drive letter from A to V, or 'd' when there is none.
char DetectCdDrive(const ProjectContext& s);

// The project's files as the game asks for them.
class ProjectFiles {
  public:
    ProjectFiles(ProjectContext& project, Flags& flags, GameHalting& game)
        : m_project(project), m_flags(flags), m_game(game) {}

    // Returns the path of the file to open: as found on disk (any letter case, backslashes
    // accepted), or the last candidate tried after the missing-file warning.
    std::string ResolveProjectFile(const std::string& path);
    // The same lookup without asking anything: the file as found on disk under its plain or
    // hidden names, or nothing (no CD is asked for, no warning shown).
    std::optional<std::string> FindProjectFile(const std::string& path) const;
    // The whole lookup, the CD of a multi-CD game included (which may ask for that CD), without
    // the missing-file warning: the file as found, or nothing.
    std::optional<std::string> ResolveProjectFileQuietly(const std::string& path);
    std::string LocateOnCd(const std::string& path);

  private:
    std::optional<std::string> lookUp(const std::string& path, std::string& candidate);

    ProjectContext& m_project;
    Flags& m_flags;
    GameHalting& m_game;
};

} // namespace run
