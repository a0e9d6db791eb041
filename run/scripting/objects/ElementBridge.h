// Reading and writing an element property from a script call: arguments converted to the
// property's type with the classic errors, results turned into script values, and a repaint
// asked for when the player would see the change.
#pragma once

#include "run/platform/ui/ElementProperties.h"
#include "run/platform/ui/WindowSystem.h"
#include "vbscript/vbscript.h"

#include <span>
#include <string>

namespace run::scripting {

// Member ids of the element properties in every object that offers them.
constexpr vbs::DispId PropertyId(platform::ElementProp p) {
    return 1 + static_cast<vbs::DispId>(p);
}
inline bool IsPropertyId(vbs::DispId id) {
    return id >= 1 && id <= static_cast<vbs::DispId>(platform::ElementProp::Count);
}
inline platform::ElementProp PropertyOfId(vbs::DispId id) {
    return static_cast<platform::ElementProp>(id - 1);
}

bool InvokeElementProperty(platform::WindowSystem& ui, platform::Element& e, platform::ElementProp prop,
                           vbs::InvokeKind kind, std::span<vbs::Value> args, vbs::Value& result,
                           vbs::HostError& err);

// Move Left[, Top[, Width[, Height]]]: all of it or, when one value is refused, none of it.
bool MoveElement(platform::WindowSystem& ui, platform::Element& e, std::span<vbs::Value> args,
                 vbs::HostError& err);

// How scripts name an element in messages: "lblTitle", "Area(3)".
std::string ElementLabel(const std::string& name, int index);
// The error for an element that has been unloaded since the script took it.
bool FailElementGone(vbs::HostError& err, const std::string& name, int index);

} // namespace run::scripting
