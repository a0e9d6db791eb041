// Saved games on disk: the save folder, the list of saves newest first, saving under a name
// with its checks and question, removing, loading with the whole sequence that shows the loaded
// game, and the resume mapping of frames that cannot be resumed on.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace run {

class GameWindow;
class Scripts;
struct Flags;
struct GameState;
struct ProjectContext;

// documents + "Savegames/" + the title as one folder name + "/"; the project folder when there
// is no documents folder. `create` makes the missing levels (failures are left to the save).
std::string SaveFolder(const ProjectContext& project, bool create);
// For listing, loading and removing: the save folder, or the project folder when it is missing.
std::string ExistingSaveFolder(const ProjectContext& project);
// The saves of a folder, names without ".sav", newest first (ties keep the folder's order).
std::vector<std::string> ListSavedGames(const std::string& folder);
// The frame a game saved on `frame` resumes at: the Resume file's last mapping for it, once.
std::string GetResumeLocation(const ProjectContext& project, const std::string& frame);

// Checks the name, asks before replacing, writes the save (and its picture); true when saved.
bool SaveGameAs(ProjectContext& project, const GameState& state, GameWindow& game, const std::string& name);
// Asks, then removes the save; true when it was removed.
bool RemoveSavedGame(ProjectContext& project, const std::string& name);
// What loading needs of the windows around it (each may be empty).
struct LoadWindows {
    std::function<void()> hideWelcome;      // the loaded game is shown
    std::function<bool()> resolutionTicked; // the welcome window's resolution box is shown and ticked
    std::function<void()> hideLoadWindow;   // before the display switches, and once the save is read
};

// Loads the save and shows the game: the display switch, reset, read, on-load script, the
// frame. False (after its box) when the save could not be read.
bool LoadSavedGame(ProjectContext& project, Flags& flags, GameState& state, GameWindow& game,
                   Scripts& scripts, const std::string& name, const LoadWindows& windows = {});

} // namespace run
