// The open frame's hotspots: reading them from the frame's files, showing or hiding them as the
// variables say, clicks on them (real and simulated) and the click position scripts read, and the
// game window's default pointer, which the window, the hotspots and animated pictures show.
#pragma once

#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/Form.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace run {

class AudioChannels;
class GameActions;
class GameWindow;
class ProjectFiles;
class Videos;
struct Flags;
struct GameState;
struct ProjectContext;

class Hotspots {
  public:
    Hotspots(ProjectContext& project, Flags& flags, ProjectFiles& files, GameState& state,
             AudioChannels& audio, Videos& videos, GameActions& actions, GameWindow& game,
             platform::Form& form)
        : m_project(project), m_flags(flags), m_files(files), m_state(state), m_audio(audio),
          m_videos(videos), m_actions(actions), m_game(game), m_form(form) {}

    std::int16_t ReadHotspotCount(const std::string& frameName);
    void LoadAreas();
    void ResetFrameAreas();
    void ShowOrNotShowAreas();
    // The first hotspot of the frame merged after the open one (1 when none is); the frame
    // opening forgets the open frame's list file and merged hotspots.
    int firstMergedHotspot() const { return m_firstMergedHotspot; }
    void forgetFrame();

    void ApplyDefaultPointer(platform::Element& e);
    // A new default pointer ("" or "default": the system's) for the window, its hotspots and
    // animated pictures; a missing file changes nothing, an unreadable one throws.
    void ChangeDefaultCursor(const std::string& name);
    void ResetDefaultPointer();
    void SetScreenPointerArrow();
    void SetScreenPointerDefault();

    void AreaClick(int areaIndex, int button);
    // A mouse-down on hotspot n: the click position, the click, a short pause.
    void Area_MouseDown(int n, const platform::MouseArgs& a);
    // A left click on the hotspot after the running script and its consequences (0: none), by
    // a one-shot timer of its own.
    void SimulateHotspotClick(int areaIndex);
    void SaveClickPos(int leftTwips, int topTwips);
    // The last click in the frame area, in pixels.
    int clickX() const { return m_clickX; }
    int clickY() const { return m_clickY; }

    // A hotspot takes pointer moves and presses (also those that scripts load).
    void wireArea(platform::Element& area);

  private:
    void timerSimulateHotspotClick_Timer(int index);
    // The open frame's hotspot list file, "" when it has none.
    std::string listFilePath();
    platform::PicturePtr defaultPointerPicture();

    ProjectContext& m_project;
    Flags& m_flags;
    ProjectFiles& m_files;
    GameState& m_state;
    AudioChannels& m_audio;
    Videos& m_videos;
    GameActions& m_actions;
    GameWindow& m_game;
    platform::Form& m_form;
    int m_firstMergedHotspot = 1;
    int m_clickX = 0, m_clickY = 0;
    std::optional<std::pair<std::string, std::string>> m_listFile; // frame name, its list file
    platform::PicturePtr m_defaultIcon; // the default pointer's picture, read once per name
    std::string m_defaultIconName;
};

} // namespace run
