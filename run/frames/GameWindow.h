// The game window `Game`: the frame area with its background, the frame timer, the frames
// history, opening frames and the orderly unloading at the end of a game. Its parts own their
// state, each in its own files: the hotspots and the default pointer (Hotspots.h), the frame texts
// and the text message (FrameTexts.h), the menu bar and keys (GameMenus.h), the timed events
// (TimedEvents.h), frame pictures and transitions (FrameTransitions.h) and the inventory panel
// (Inventory.h). The window itself is in GameWindow.cpp (layout, loading, the frame timer,
// unloading), OpenFrame.cpp (opening a frame step by step, and the game reset) and
// ScriptElements.cpp (the elements scripts create). What it asks of the layers above it goes
// through the Scripts and GameActions interfaces.
#pragma once

#include "run/frames/FrameFile.h"
#include "run/platform/ui/Form.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace run {

class AudioChannels;
class Components;
class Dialogues;
class FrameTexts;
class FrameTransitions;
class GameActions;
class GameHalt;
class GameMenus;
class Hotspots;
class Inventory;
class KeyboardPlay;
class Plugins;
class RipplingWater;
class ProjectFiles;
class Scripts;
class TimedEvents;
class Videos;
struct Flags;
struct GameState;
struct ProjectContext;

class GameWindow {
  public:
    // What the player hands the window: the project, the run's flags, the game state, and the
    // services below and above it; each outlives the window.
    struct Services {
        ProjectContext& project;
        Flags& flags;
        ProjectFiles& files;
        GameState& state;
        AudioChannels& audio;
        Videos& videos;
        Dialogues& dialogues;
        Plugins& plugins;
        Components& components;
        GameHalt& halt;
        Scripts& scripts;
        GameActions& actions;
    };
    // `onUnloaded` runs when the window has been unloaded (the welcome window comes back).
    GameWindow(const Services& services, std::function<void()> onUnloaded);
    ~GameWindow();

    platform::Form& form() { return m_form; }
    bool loaded() const { return m_form.loaded; }
    // From loading the window until its unloading has stopped what ran.
    bool inPlay() const { return m_inPlay; }
    const CurrentFrameInfo& currentFrame() const { return m_current; }
    // The frame the game is on, and the frames visited: both kept in the game state.
    const std::string& frameName() const;
    const std::vector<std::string>& framesHistory() const;
    std::vector<std::string>& history();
    Inventory& inventory() { return *m_inventory; }
    Videos& videos() { return m_videos; }
    Components& components() { return m_components; }
    Dialogues& dialogues() { return m_dialogues; }

    // --- Window (GameWindow.cpp) ---
    void load();
    void show();
    // Lays the window and the frame picture out for the project's frame size.
    void CenterWindowAndPictureBox();
    void FramesHistoryAdd(const std::string& frameName);
    // Ends the game: the quitting flag, a disabled window, and the unload 500 ms later.
    void StartUnloading();
    // 0: not decided since the reset, 1: off, 2: scripts reach every element by its name.
    int controlsReferenceMode() const { return m_controlsReferenceMode; }
    void setControlsReferenceMode(int mode) { m_controlsReferenceMode = mode; }

    // --- Frames (OpenFrame.cpp) ---
    void OpenFrame(const std::string& frameName, bool withTransition, int transitionNumber,
                   double transitionSeconds);
    void ReadFrameHeader(const std::string& frameName);
    void ClearCurrentFrame();
    void ResetAll();
    void StartNewGame();
    // The frame a loaded game opens next (before its on-load script runs).
    void setCurrentFrameName(const std::string& name);

    // --- Hotspots and the default pointer (Hotspots.h) ---
    Hotspots& hotspots() { return *m_hotspots; }
    const Hotspots& hotspots() const { return *m_hotspots; }

    // --- Timed events (TimedEvents.h) ---
    TimedEvents& timedEvents() { return *m_timedEvents; }
    const TimedEvents& timedEvents() const { return *m_timedEvents; }

    // --- Frame pictures and transitions (FrameTransitions.h) ---
    FrameTransitions& transitions() { return *m_transitions; }
    const FrameTransitions& transitions() const { return *m_transitions; }

    // --- Script element arrays (ScriptElements.cpp) ---
    // Loads member `index` of an element array scripts may grow (true on success); the player's
    // own bookkeeping arrays are refused.
    bool LoadControl(const std::string& arrayName, int index);
    // Unloads such a member; element 0 and members that are not loaded give false.
    bool UnloadControl(const std::string& arrayName, int index);

    // --- Rippling water (RipplingWater.h) ---
    RipplingWater& water() { return *m_water; }
    // The Options menu's "Disable Real-Time Effects": switches the effects off (stopping the
    // water) or on (loading the open frame's water when it qualifies).
    void EnableOrDisableEffects();

    // --- Menus and keys (GameMenus.h) ---
    GameMenus& menus() { return *m_menus; }
    const GameMenus& menus() const { return *m_menus; }

    // --- Playing with the keys (KeyboardPlay.h) ---
    KeyboardPlay& keyboard() { return *m_keyboard; }
    const KeyboardPlay& keyboard() const { return *m_keyboard; }

    // --- Texts (FrameTexts.h) ---
    FrameTexts& texts() { return *m_texts; }

    // What the pointer does over the frame picture, a hotspot or a text: a press in the frame
    // area, and a move at y pixels from the frame's top.
    void frameAreaMouseDown(const platform::MouseArgs& a);
    void pointerOverFrame(int yPixels);

  private:
    void build();
    void buildFrameElements();
    void buildSpareElements();
    void onUnloadTimer();
    void onFrameTimer();
    void unloadWindow();
    void drawBackground();
    // The steps of OpenFrame, in order (OpenFrame.cpp).
    bool frameLinkHolds(const std::string& frameName);
    void leavePreviousFrame(const std::string& frameName);
    void decideControlsReferenceMode();
    void readFrameFile(const std::string& frameName);
    void playFrameVideoNow(bool beforeFrame);
    bool loadFrameContents(const std::string& frameName); // false when the game is being left
    bool runFrameEntryScripts();                          // true when a script ended the game
    void showFrameContents(const std::string& frameName);
    bool loadWaterEffect(const std::string& frameName);
    void startFrameSoundsAndTransition(bool withTransition, int transitionNumber, double transitionSeconds);
    void waitForFrameVideo();
    void startFrameTimer();

    ProjectContext& m_project;
    Flags& m_flags;
    ProjectFiles& m_files;
    GameState& m_state;
    AudioChannels& m_audio;
    Videos& m_videos;
    Dialogues& m_dialogues;
    Plugins& m_plugins;
    Components& m_components;
    GameHalt& m_halt;
    Scripts& m_scripts;
    GameActions& m_actions;
    std::function<void()> m_onUnloaded;
    bool m_inPlay = false;
    platform::Form m_form{"Game"};
    std::unique_ptr<Inventory> m_inventory;
    std::unique_ptr<TimedEvents> m_timedEvents;
    std::unique_ptr<FrameTexts> m_texts;
    std::unique_ptr<GameMenus> m_menus;
    std::unique_ptr<FrameTransitions> m_transitions;
    std::unique_ptr<Hotspots> m_hotspots;
    std::unique_ptr<RipplingWater> m_water;
    std::unique_ptr<KeyboardPlay> m_keyboard;

    CurrentFrameInfo m_current;
    FrameFile m_frame;               // the open frame's file, as read by OpenFrame
    int m_controlsReferenceMode = 0; // 0 undecided, 1 decided, 2 "reference_all_controls" exists
};

} // namespace run
