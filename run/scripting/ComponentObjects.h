// Components as scripts see them: `Component("name")` gives an object whose members are the
// window element's own (Visible, Left, Top …) and, for any other name, the component's
// properties and methods through the component interface; and the parameter collection an
// event procedure receives, whose items the procedure may change.
#pragma once

#include "run/platform/components/ComponentHost.h"

#include <string>
#include <vector>

namespace vbs {
class Object;
class Value;
} // namespace vbs

namespace run {

struct ScriptContext;

// The script value of a component value, and back (a value a component cannot hold is an
// empty one).
vbs::Value ScriptValueOf(const platform::ComponentValue& v);
platform::ComponentValue ComponentValueOf(const vbs::Value& v);

// The object of the component `name` (its element and its object).
vbs::Object* NewComponentObject(ScriptContext& s, const std::string& name);
// A collection over `params`: Count, Item(i) (0-based, the default member) giving an item with
// Name and Value (its default member); assigning an item's Value changes `params`.
vbs::Object* NewEventParameters(std::vector<platform::ComponentValue>& params);

} // namespace run
