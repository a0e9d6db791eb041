// The action object that every script sees as "Action", its members global: the requests a
// script leaves for the consequence step (sFrameToLoad … bPopupSaveGame) and the script
// functions of the game (GoToFrame, Message, AddItem, CreateTimedEvent …).
#pragma once

#include "vbscript/vbscript.h"

namespace run {

struct ScriptContext;
class GameWindow;

vbs::Object* NewActionObject(ScriptContext& s, GameWindow& game);
// Its members by name: the fields, then the functions.
const vbs::MemberTable& ActionMembers();

} // namespace run
