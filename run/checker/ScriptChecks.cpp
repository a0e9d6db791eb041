// Script texts: each compiled by the VBScript engine without running it, and the frames its
// GoToFrame calls name with a literal text followed as links.
#include "run/checker/CheckContext.h"

#include "vbscript/vbscript.h"

#include <regex>

namespace run::checker {

void CheckContext::checkScript(const std::string& file, const std::string& place, const std::string& code,
                               bool module, const std::string& frame, const std::string& label) {
    if (code.find_first_not_of(" \t\r\n") == std::string::npos) return;
    // Statements run inside a procedure: they are compiled there, so their line numbers are
    // one further down.
    vbs::Runtime engine;
    const std::string text = module ? code : "Sub Checked_Script\r\n" + code + "\r\nEnd Sub";
    if (!engine.checkCode(text)) {
        const vbs::ErrorInfo& e = engine.lastError();
        const int line = module ? e.line : e.line - 1;
        const std::string where = (place.empty() ? "" : place + ", ") + "line " +
                                  std::to_string(std::max(1, line)) + ", column " +
                                  std::to_string(std::max(1, e.column));
        findings.error(file, where, "the script does not compile: " + e.description);
    }
    // GoToFrame "Name" (any letter case, with or without parentheses and further arguments).
    static const std::regex goTo(R"re(\bgotoframe\s*\(?\s*"([^"]*)")re", std::regex::icase);
    for (auto it = std::sregex_iterator(code.begin(), code.end(), goTo); it != std::sregex_iterator(); ++it) {
        const std::string target = (*it)[1].str();
        link(frame, target, label, file, place.empty() ? "GoToFrame \"" + target + "\"" : place);
    }
}

} // namespace run::checker
