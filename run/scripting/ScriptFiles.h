// The engine settings of the game's scripts: message and input boxes through the player's own,
// object creation as the project allows it, and the one file policy for everything a script
// opens (reads in the game's folder, its discs, its saves and settings folders; writes only in
// the game's, saves and settings folders).
#pragma once

#include "vbscript/vbscript.h"

#include <string>

namespace run {

struct Session;

vbs::Config ScriptEngineConfig(Session& s);
// Where the game's saved games go: the user's documents folder, then the game's title.
std::string SavesFolder(const Session& s);

} // namespace run
