// The Debug menu's listing of every project variable and its value, shown in message boxes of
// 25 lines.
#pragma once

#include <string>
#include <vector>

namespace run {

struct GameVariables;
namespace platform {
class WindowSystem;
}

// The listing: an introduction, the integer variables, then the variant variables.
std::vector<std::string> VariablesViewerLines(const GameVariables& v);
// Shows the listing, 25 lines per box; a failure gets the viewer's own warning box.
void ShowVariablesViewer(platform::WindowSystem& ui, const GameVariables& variables);

} // namespace run
