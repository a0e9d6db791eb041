// The project variables as script objects, added under their own names.
#pragma once

#include "run/state/VBScriptActionModule.h"
#include "run/state/Variables.h"
#include "vbscript/vbscript.h"

#include <vector>

namespace run {

// What a variant variable holds beyond what the game's own list can (arrays, objects, and
// the exact subtype of numbers and dates), kept by the host from one script to the next.
struct VariantSlot {
    vbs::Value value;
    RecordVariant mirrored; // what the game's list held when value was stored
    bool set = false;
};

// A variable object's members: Value (the default) and Name.
const vbs::MemberTable& VariableMembers();

// Integer variable `position` (1-based) of the game's list: default member Value (a 16-bit
// integer; Overflow beyond it), and Name.
vbs::Object* NewIntegerVariableObject(GameVariables& variables, int position);
// Variant variable `position`: default member Value, any value a script can hold.
vbs::Object* NewVariantVariableObject(GameVariables& variables, std::vector<VariantSlot>& slots,
                                      int position);

} // namespace run
