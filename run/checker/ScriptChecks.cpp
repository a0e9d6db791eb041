// Script texts: each compiled by the VBScript engine without running it, and the frames its
// GoToFrame calls name with a literal text followed as links.
#include "run/checker/CheckContext.h"

#include "vbscript/vbscript.h"

#include <cctype>
#include <vector>

namespace run::checker {

namespace {

bool wordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The frame names GoToFrame calls give as a literal text: the word GoToFrame (not part of a
// longer name), blanks, an optional "(", blanks, then the text in double quotes.
std::vector<std::string> literalFrameNames(const std::string& code) {
    static const std::string word = "gotoframe";
    std::vector<std::string> names;
    // ASCII letters only, so positions stay those of the code.
    std::string lower = code;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
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

void CheckContext::checkScript(const std::string& file, const std::string& place, const std::string& code,
                               bool module, const std::string& frame, const std::string& label) {
    if (code.find_first_not_of(" \t\r\n") == std::string::npos) return;
    // Statements run inside a procedure: they are compiled there, so their line numbers are
    // one further down.
    vbs::Runtime engine;
    const std::string text = module ? code : "Sub Checked_Script\r\n" + code + "\r\nEnd Sub";
    const bool compiles = engine.checkCode(text);
    if (!compiles) {
        const vbs::ErrorInfo& e = engine.lastError();
        const int line = module ? e.line : e.line - 1;
        findings.error(file, at(place, line, e.column), "the script does not compile: " + e.description);
    }
    std::string lowerCode = code;
    for (char& c : lowerCode)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lowerCode.find("allowcontrolsreferencesnexttime") != std::string::npos &&
        lowerCode.find("donotallowcontrolsreferencesnexttime") == std::string::npos)
        m_elementsByName = true;
    // Module code's names are looked at as it joins the definitions (prepareNames).
    if (compiles && !module && m_names) {
        for (const vbs::UndefinedName& n : m_names->undefinedNames(code))
            m_undefined.push_back({file, at(place, n.line, n.column), n.name});
    }
    // GoToFrame "Name" (any letter case, with or without parentheses and further arguments).
    for (const std::string& target : literalFrameNames(code))
        link(frame, target, label, file, place.empty() ? "GoToFrame \"" + target + "\"" : place);
}

} // namespace run::checker
