// The game in play above the game window and the script host: what a click on a hotspot or a
// dropped item does (variables, disappearing, quitting, sounds, video, messages, scripts,
// pick-ups, frame changes), the consequence step after scripts that run outside an action, and
// the save and load windows. Hotspot actions are in Actions.cpp, the windows in GamePlay.cpp.
#pragma once

#include "run/frames/GameActions.h"
#include "run/game/SavedGames.h"

#include <functional>
#include <memory>
#include <string>

namespace run {

class AudioChannels;
class Dialogues;
class GameWindow;
class LoadGameWindow;
class Plugins;
class SaveGameWindow;
class ScriptHost;
class Videos;
struct Flags;
struct GameState;
struct ProjectContext;
class ProjectFiles;

class GamePlay : public GameActions {
  public:
    GamePlay(ProjectContext& project, Flags& flags, ProjectFiles& files, GameState& state,
             AudioChannels& audio, Videos& videos, Dialogues& dialogues, Plugins& plugins, GameWindow& game,
             ScriptHost& scripts);
    ~GamePlay() override;

    void PickOrNotPickObject(int areaIndex) override;
    void MakeActionAndConsequences(int areaIndex, int objectIndex, bool doNotQuitDialogue) override;
    bool ExecuteVBScriptAndConsequences(const std::string& text, bool resetLastClickPosition) override;
    void ExecuteConsequences(bool offerPopups = true) override;
    void ShowLoadGameWindow(bool abortIfATimerIsEnabled = false) override;
    void ShowSaveGameWindow() override;

    // 0: done, the frame stays; 1: the game is to quit; 2: another frame was opened.
    int MakeAction(int areaIndex, int objectIndex, bool doNotQuitDialogue);

    // Saves the game in play under a name, and loads a save (see SavedGames.h).
    bool SaveGameAs(const std::string& name);
    bool LoadSavedGame(const std::string& name, const LoadWindows& windows = {});

    // What loading from the load window asks of the welcome window (set by the player).
    void setWelcomeHooks(std::function<void()> hide, std::function<bool()> resolutionTicked) {
        m_hideWelcome = std::move(hide);
        m_resolutionTicked = std::move(resolutionTicked);
    }

  private:
    class ActionSteps;
    // Goes to the frame the script asked for; true when one was opened.
    bool openRequestedFrame(bool endDialogue);

    ProjectContext& m_project;
    Flags& m_flags;
    ProjectFiles& m_files;
    GameState& m_state;
    AudioChannels& m_audio;
    Videos& m_videos;
    Dialogues& m_dialogues;
    Plugins& m_plugins;
    GameWindow& m_game;
    ScriptHost& m_scripts;
    std::function<void()> m_hideWelcome;
    std::function<bool()> m_resolutionTicked;
    std::unique_ptr<SaveGameWindow> m_saveWindow;
    std::unique_ptr<LoadGameWindow> m_loadWindow;
};

} // namespace run
