// The named objects every script sees besides the action object and the variables: the game
// window's elements and the platform objects, in their fixed order, each with its
// members-global flag.
#pragma once

#include "run/scripting/objects/ScriptObjects.h"
#include "vbscript/vbscript.h"

#include <string>
#include <vector>

namespace vbs {
class Runtime;
}

namespace run {

struct ScriptContext;
class GameWindow;

struct NamedObject {
    std::string name;
    vbs::Object* object; // a new object, one reference owned by the caller
    bool membersGlobal;
};

// The script host's two engines, which scripts reach as "ScriptControlObject" and
// "ScriptControl2Object".
struct HostEngines {
    vbs::Runtime& execution;
    vbs::Runtime& catalogue;
};

std::vector<NamedObject> MakeNamedObjects(ScriptContext& s, GameWindow& game, HostEngines engines);
// The same rows for a checker that has no game: those whose members are global are real objects
// over `form` (what their members are is all that matters), the others have no object (null).
std::vector<NamedObject> MakeNamedObjectsForChecking(platform::WindowSystem& ui, platform::Form& form,
                                                     const scripting::AppInfo& app);
// The game window with every element reachable by its own name and its public operations
// ("SoftwareObjects").
vbs::Object* MakeSoftwareObjects(ScriptContext& s, GameWindow& game);
// The seven audio players `MPlayer`(1..7), indexed from 1.
vbs::Object* NewAudioPlayersObject(ScriptContext& s);
// The spare media player `CustomMediaPlayer`.
vbs::Object* NewCustomMediaPlayerObject(ScriptContext& s);
// The frames history list `FramesHistory`, over the game state's history.
vbs::Object* NewFramesHistoryObject(ScriptContext& s);
// A script engine with the members of a script control.
vbs::Object* NewScriptControlObject(vbs::Runtime& engine);
// A menu item of the game window with its check mark.
vbs::Object* NewMenuObject(ScriptContext& s, GameWindow& game, const std::string& menuName);

} // namespace run
