// `run --check PROJECT_DIR`: reads a whole game without playing it and reports what would go
// wrong in play — files that no lookup finds or that do not decode, frame links that lead
// nowhere and frames nothing leads to, scripts that do not compile, variables and items that do
// not exist, records that do not read — one finding a line, with its file and place.
#pragma once

#include "run/checker/Findings.h"

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace run::checker {

struct CheckOptions {
    bool json = false;                  // one JSON array of findings instead of lines and a summary
    std::filesystem::path mapFile = {}; // when set, the game's map is drawn there (SVG)
};

struct CheckOutcome {
    int status = 0;      // 0 clean, 1 findings, 2 not a game
    std::string problem; // why the folder is not a game, or why the map was not drawn
    std::vector<Finding> findings;
    std::size_t frames = 0, filesChecked = 0, errors = 0, warnings = 0;
    std::size_t filesOnCds = 0; // named files that only the CD index finds: not checked
};

// Checks the game in `folder` and writes the report to `out`.
CheckOutcome CheckProject(const std::filesystem::path& folder, std::ostream& out,
                          const CheckOptions& options);

} // namespace run::checker
