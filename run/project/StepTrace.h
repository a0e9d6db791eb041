// A test hook: the engine reports here the steps whose order tests check, and services that are
// not yet built report that they were asked. Nothing is kept unless a test attaches a list.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace run {

class StepTrace {
  public:
    void attach(std::vector<std::string>* steps) { m_steps = steps; }
    void note(std::string step) {
        if (m_steps) m_steps->push_back(std::move(step));
    }

  private:
    std::vector<std::string>* m_steps = nullptr;
};

} // namespace run
