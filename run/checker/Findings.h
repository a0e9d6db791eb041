// What the project checker found: each finding names the file (relative to the project), the
// place in it (a block, field or script line), how bad it is, and what is wrong.
#pragma once

#include <cstddef>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace run::checker {

enum class Severity { Error, Warning };

struct Finding {
    std::string file;
    std::string place;
    Severity severity = Severity::Error;
    std::string message;
};

class Findings {
  public:
    void error(const std::string& file, const std::string& place, const std::string& message) {
        add({file, place, Severity::Error, message});
    }
    void warning(const std::string& file, const std::string& place, const std::string& message) {
        add({file, place, Severity::Warning, message});
    }
    // The same finding twice (a file two frames name the same way) is reported once.
    void add(Finding f);
    const std::vector<Finding>& all() const { return m_all; }
    std::size_t count(Severity s) const;

  private:
    std::vector<Finding> m_all;
    std::set<std::string> m_seen;
};

// "FILE: PLACE: error: MESSAGE", one line.
std::string FindingLine(const Finding& f);
// A JSON array of {"file", "place", "severity", "message"} objects.
void WriteFindingsJson(const std::vector<Finding>& findings, std::ostream& out);

} // namespace run::checker
