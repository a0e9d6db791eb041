// The run's flags: how interleaved long operations (transitions, videos, the CD wait, quitting)
// coordinate, and the options the Options menu keeps. One object per running player.
#pragma once

namespace run {

struct Flags {
    bool Quitting = false;                // the game is being left
    bool SkipTransitionRequested = false; // a running transition should end at once
    bool StopMovie = false;               // a video wait should end
    bool VideoWaitRunning = false;        // the game waits for the one-time video to end
    bool DialogueAnswerWaiting = false;   // a dialogue question waits while its answer shows
    bool TransitionRunning = false;       // a transition is being drawn (Escape leaves the menus)
    bool AlphaBlendErrorReported = false; // the drawing failure box was shown once
    int TransitionNumber = 0;             // while a transition runs: its number 0–5
    double TransitionFraction = 0;        // and how far it has been drawn, 0 to 1

    bool programEnded = false;         // the program should end (the welcome window was unloaded)
    bool transitionsDisabled = false;  // Options menu, kept as per-user settings
    bool effectsDisabled = false;      // Options menu, kept as per-user settings
    bool keyboardPlay = true;          // Options menu, kept as per-user settings
    bool inventorySliding = false;     // the inventory panel is moving
    int pendingLoadGameResolution = 0; // set by scripts, reset with the game state
};

} // namespace run
