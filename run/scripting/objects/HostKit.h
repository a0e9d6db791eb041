// Small helpers every script object here uses to fail a call.
#pragma once

#include "vbscript/vbscript.h"

#include <string_view>

namespace run::scripting {

// Fails an invoke with a classic error number; an empty description takes the classic text.
inline bool Fail(vbs::HostError& err, int number, std::string_view description = {}) {
    err.number = number;
    err.description = vbs::fromUtf8(description);
    return false;
}

inline bool FailReadOnly(vbs::HostError& err) {
    return Fail(err, vbs::error::ReadOnlyProperty, "Set not supported (read-only property)");
}

} // namespace run::scripting
