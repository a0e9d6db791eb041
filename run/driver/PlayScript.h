// Play scripts: a game's play-through written one step a line, carried out by the headless
// driver (`run --headless --play STEPS.txt PROJECT_DIR`).
#pragma once

#include "run/driver/HeadlessDriver.h"

#include <iosfwd>
#include <string>

namespace run {

// Runs every step; prints `state` output to `out` and a clear message naming the line to
// `err` on a step that cannot be carried out. Returns 0 on success, 1 on a failed step.
int RunPlayScript(HeadlessDriver& driver, std::istream& steps, std::ostream& out, std::ostream& err,
                  const std::string& scriptName);

} // namespace run
