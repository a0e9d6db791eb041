// Script texts: each compiled by the VBScript engine without running it, and the frames its
// GoToFrame calls name with a literal text followed as links.
#include "run/checker/CheckContext.h"

#include <cctype>
#include <vector>

namespace run::checker {

namespace {

bool wordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The frame names GoToFrame calls give as a literal text: the word GoToFrame (not part of a
// longer name), blanks, an optional "(", blanks, then the text in double quotes.
// `lower` is the code with its ASCII letters lower-cased, so positions stay those of the code.
std::vector<std::string> literalFrameNames(const std::string& code, const std::string& lower) {
    static const std::string word = "gotoframe";
    std::vector<std::string> names;
    for (std::size_t at = lower.find(word); at != std::string::npos;
         at = lower.find(word, at + word.size())) {
        if (at > 0 && wordChar(lower[at - 1])) continue;
        std::size_t i = at + word.size();
        auto blanks = [&] {
            while (i < code.size() && (code[i] == ' ' || code[i] == '\t'))
                ++i;
        };
        blanks();
        if (i < code.size() && code[i] == '(') {
            ++i;
            blanks();
        }
        if (i >= code.size() || code[i] != '"') continue;
        const std::size_t end = code.find('"', i + 1);
        if (end == std::string::npos) continue;
        names.push_back(code.substr(i + 1, end - i - 1));
    }
    return names;
}

} // namespace

std::string CheckContext::at(const std::string& place, int line, int column) {
    return (place.empty() ? "" : place + ", ") + "line " + std::to_string(std::max(1, line)) + ", column " +
           std::to_string(std::max(1, column));
}

void CheckContext::reportUndefinedNames() {
    if (!m_namesUsable || m_elementsByName) return;
    for (const UndefinedUse& u : m_undefined)
        findings.warning(u.file, u.place,
                         "the name \"" + u.name +
                             "\" is no variable, procedure, named object or script function of the game, nor "
                             "the language's own: it reads as Empty");
}

bool CheckContext::checkScript(const std::string& file, const std::string& place, const std::string& code,
                               bool module, const std::string& frame, const std::string& label) {
    if (code.find_first_not_of(" \t\r\n") == std::string::npos) return true;
    // Compiled once, in the engine that knows every name the game's scripts see; module code
    // joins its definitions.
    std::vector<vbs::UndefinedName> undefined;
    const bool compiles =
        module ? m_names->addDefinitions(code, undefined) : m_names->checkStatements(code, undefined);
    if (!compiles) {
        // Statements run inside a procedure: the engine counted its first line.
        const vbs::ErrorInfo& e = m_names->lastError();
        const int line = module ? e.line : e.line - 1;
        findings.error(file, at(place, line, e.column), "the script does not compile: " + e.description);
    }
    for (const vbs::UndefinedName& n : undefined)
        m_undefined.push_back({file, at(place, n.line, n.column), n.name});
    std::string lower = code;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    // AllowControlsReferencesNextTime, not its DoNotAllow… twin.
    static const std::string allow = "allowcontrolsreferencesnexttime";
    for (std::size_t pos = lower.find(allow); pos != std::string::npos; pos = lower.find(allow, pos + 1))
        if (pos < 5 || lower.compare(pos - 5, 5, "donot") != 0) m_elementsByName = true;
    // GoToFrame "Name" (any letter case, with or without parentheses and further arguments).
    for (const std::string& target : literalFrameNames(code, lower))
        link(frame, target, label, file, place.empty() ? "GoToFrame \"" + target + "\"" : place);
    return compiles;
}

} // namespace run::checker
