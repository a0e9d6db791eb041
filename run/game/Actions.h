// Hotspot actions and their consequences: what a click or a dropped item does (variables,
// disappearing, quitting, sounds, video, messages, scripts, pick-ups, frame changes), and the
// consequence step after scripts that run outside an action.
#pragma once

#include <string>

namespace run {

struct Session;
class GameWindow;

// Offers the hotspot's item pick-up (FramesData/<frame>.fm4).
void PickOrNotPickObject(Session& s, GameWindow& game, int areaIndex);
// MakeAction, then the one-time video stops, and a quit result starts unloading.
void MakeActionAndConsequences(Session& s, GameWindow& game, int areaIndex, int objectIndex,
                               bool doNotQuitDialogue);
// 0: done, the frame stays; 1: the game is to quit; 2: another frame was opened.
int MakeAction(Session& s, GameWindow& game, int areaIndex, int objectIndex, bool doNotQuitDialogue);
// Runs a script, then its consequences; true when the script failed.
bool ExecuteVBScriptAndConsequences(Session& s, GameWindow& game, const std::string& text,
                                    bool resetLastClickPosition);
// After a script outside an action: hotspot visibility, quitting, the frame the script chose
// (else the timed events start again), then the load or save window it asked for, unless
// `offerPopups` is false (the script timers offer none).
void ExecuteConsequences(Session& s, GameWindow& game, bool offerPopups = true);

} // namespace run
