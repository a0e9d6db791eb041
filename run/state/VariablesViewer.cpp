#include "run/state/VariablesViewer.h"

#include "run/platform/ui/WindowSystem.h"
#include "run/state/Variables.h"

#include <exception>

namespace run {

namespace {

constexpr const char* kIntroduction =
    "This window allows you to view the value of all the project variables. To create a new project "
    "variable, click "
    "\"Project Variables...\" from the frame editor menu. To manually change the value of a variable, click "
    "\"Execute "
    "VBS code...\" from the Debug menu, and then enter: \"VARIABLE_NAME = NEW_VALUE\" (without the quotes).";
constexpr int kLinesPerBox = 25;

std::string rule(const char* title) {
    const std::string dashes(26, '-');
    return dashes + " " + title + " " + dashes + std::string(13, ' ');
}

} // namespace

std::vector<std::string> VariablesViewerLines(const GameVariables& v) {
    std::vector<std::string> lines{kIntroduction, "", "", rule("INTEGER VARIABLES:"), ""};
    for (const ClassVariable& i : v.Variables)
        lines.push_back(i.Name + " = " + std::to_string(i.Value));
    lines.insert(lines.end(), {"", rule("VARIANT VARIABLES:"), ""});
    for (const ClassVariableVariant& i : v.VariablesVariant)
        lines.push_back(i.Name + " = " + i.Value.text());
    return lines;
}

void ShowVariablesViewer(platform::WindowSystem& ui, const GameVariables& variables) {
    try {
        const std::vector<std::string> lines = VariablesViewerLines(variables);
        std::string text;
        for (std::size_t k = 0; k < lines.size(); ++k) {
            text += lines[k] + "\r\n";
            if ((k + 1) % kLinesPerBox == 0 && k + 1 != lines.size()) {
                ui.messageBox(text, platform::kInformation, "Variables Status");
                text = std::string(52, ' ') + "\r\n";
            }
        }
        ui.messageBox(text + "\r\n", platform::kInformation, "Variables Status");
    } catch (const std::exception& e) {
        ui.messageBox(std::string("Error displaying variables status. ") + e.what(), platform::kExclamation,
                      "Error");
    }
}

} // namespace run
