// The engine settings of the game's scripts: message and input boxes through the player's own,
// object creation as the project allows it, and the one file policy for everything a script
// opens (reads in the game's folder, its discs, its saves and settings folders; writes only in
// the game's, saves and settings folders).
#pragma once

#include "vbscript/vbscript.h"

#include <optional>
#include <string>

namespace run {

struct ProjectContext;

vbs::Config ScriptEngineConfig(ProjectContext& s);
// The native path of a file a script function names, when the file policy lets it be read (or
// written); nothing otherwise. A bare file title is taken from the External folder.
std::optional<std::string> ScriptFunctionPath(ProjectContext& s, const std::string& fileTitle, bool write);
// The same for a path as the script gives it, without the External rule: a relative path is
// taken from the game's folder.
std::optional<std::string> ScriptPath(ProjectContext& s, const std::string& path, bool write);
// A game's name as one folder name: separators and control characters become '_', and "." or
// ".." cannot be given, so the name of a downloaded game never leads out of its parent folder.
std::string SafeFolderName(const std::string& name);
// Where the game's saved games go: the user's documents folder, "Savegames", then the game's
// title as one folder name; the game's own folder when the user has no documents folder.
std::string SavesFolder(const ProjectContext& s);
// The game's own folder beside the per-user settings file: scripts may keep files there, but
// never touch the settings file that all games share.
std::string GameSettingsFolder(const ProjectContext& s);

} // namespace run
