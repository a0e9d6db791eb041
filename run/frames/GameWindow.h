// The game window `Game`: the frame picture box centred on the screen, the frame timer, and the
// orderly unloading at the end of a game. Frames, hotspots, menus and the rest grow on it.
#pragma once

#include "run/platform/ui/Form.h"

#include <functional>

namespace run {

struct Session;

class GameWindow {
  public:
    // `onUnloaded` runs when the window has been unloaded (the welcome window comes back).
    GameWindow(Session& session, std::function<void()> onUnloaded);

    platform::Form& form() { return m_form; }
    bool loaded() const { return m_form.loaded; }

    // Window load: placement at the top left, captions.
    void load();
    void show();
    // Lays the window and the frame picture out for the project's frame size.
    void CenterWindowAndPictureBox();
    // Resets the game state. Variables, plug-ins, procedures, components, channels and menus
    // join here as those parts arrive.
    void ResetAll();
    // The start-up script, then the initial frame. Placeholder: the frame engine is not there
    // yet, so a new game shows the frame area's background colour.
    void StartNewGame();
    // Ends the game: the quitting flag, a disabled window, and the unload 500 ms later.
    void StartUnloading();

  private:
    void build();
    void onKeyDown(int keyCode, int shift);
    void onUnloadTimer();
    void unloadWindow();

    Session& m_s;
    std::function<void()> m_onUnloaded;
    platform::Form m_form{"Game"};
};

} // namespace run
