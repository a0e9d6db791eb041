#include "run/checker/Findings.h"

#include "run/platform/files/TextCodec.h"

#include <algorithm>
#include <cstdio>

namespace run::checker {

namespace {

// File names may hold bytes that are no UTF-8 (names from Windows-1252 game files): they are
// read as Windows-1252, so the JSON stays well-formed.
std::string jsonText(const std::string& raw) {
    const std::string s = platform::RepairUtf8(raw);
    std::string out = "\"";
    for (unsigned char c : s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", c);
                out += esc;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

const char* severityName(Severity s) {
    return s == Severity::Error ? "error" : "warning";
}

} // namespace

void Findings::add(Finding f) {
    const std::string key = f.file + '\n' + f.place + '\n' + f.message;
    if (!m_seen.insert(key).second) return;
    m_all.push_back(std::move(f));
}

std::size_t Findings::count(Severity s) const {
    return static_cast<std::size_t>(
        std::count_if(m_all.begin(), m_all.end(), [s](const Finding& f) { return f.severity == s; }));
}

std::string FindingLine(const Finding& f) {
    return f.file + (f.place.empty() ? "" : ": " + f.place) + ": " + severityName(f.severity) + ": " +
           f.message;
}

void WriteFindingsJson(const std::vector<Finding>& findings, std::ostream& out) {
    out << "[";
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& f = findings[i];
        out << (i ? ",\n " : "\n ") << "{\"file\": " << jsonText(f.file)
            << ", \"place\": " << jsonText(f.place) << ", \"severity\": \"" << severityName(f.severity)
            << "\", \"message\": " << jsonText(f.message) << "}";
    }
    out << (findings.empty() ? "]\n" : "\n]\n");
}

} // namespace run::checker
