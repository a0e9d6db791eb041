// Project initialisation at start-up, run once by the welcome window when it loads.
#pragma once

#include <filesystem>

namespace run {

namespace platform {
class ComponentRegistry;
}

struct ProjectContext;
struct Flags;

// Runs every step in order even when one fails; returns false when a step failed in a way the
// caller reports. Sets `flags.programEnded` when start-up decided the program ends (no General
// file, or the player declined to go on with large fonts).
bool InitProject(ProjectContext& s, Flags& flags);

// Texts: the program set when the file is missing; the "Unable to load text." box and the
// program set when it cannot be read.
void LoadUiTexts(ProjectContext& s);
// `General` into ProjectInfo, with the error box of a damaged file.
void LoadProjectInfo(ProjectContext& s);
// Registers the game's own component files (CPData/*.ocx) once the player allowed them (it asks
// once per game); Windows component files are named in a warning and never loaded.
void RegisterProjectComponents(ProjectContext& s);
// Registers the components installed with the player (trusted).
void RegisterInstalledComponents(const std::filesystem::path& folder, platform::ComponentRegistry& registry);

} // namespace run
