// The named objects every script sees besides the action object and the variables: the game
// window's elements and the platform objects, in their fixed order, each with its
// members-global flag.
#pragma once

#include "vbscript/Object.h"

#include <string>
#include <vector>

namespace run {

struct Session;
class GameWindow;

struct NamedObject {
    std::string name;
    vbs::Object* object;   // a new object, one reference owned by the caller
    bool membersGlobal;
};

std::vector<NamedObject> MakeNamedObjects(Session& s, GameWindow& game);
// The game window with every element reachable by its own name ("SoftwareObjects").
vbs::Object* MakeSoftwareObjects(Session& s, GameWindow& game);
// The seven audio players `MPlayer`(1..7), indexed from 1.
vbs::Object* NewAudioPlayersObject(Session& s);

} // namespace run
