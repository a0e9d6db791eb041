// The play-script steps: click, rclick, drag, move, key, wait, answer, type, shot, state, and
// hold/release boxes.
#include "run/driver/PlayScript.h"

#include "run/core/Player.h"
#include "run/platform/graphics/Picture.h"

#include <istream>
#include <ostream>
#include <sstream>

namespace run {

namespace {

bool readInts(std::istringstream& in, int* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (!(in >> values[i])) return false;
    }
    std::string extra;
    return !(in >> extra);
}

std::string restOfLine(std::istringstream& in) {
    std::string rest;
    std::getline(in, rest);
    std::size_t start = rest.find_first_not_of(" \t");
    return start == std::string::npos ? "" : rest.substr(start);
}

// Reads and carries out the steps. The same reader serves the steps that run inside a
// transition or on a held box: they take the next lines of the same script.
class StepRunner {
  public:
    StepRunner(HeadlessDriver& driver, std::istream& steps, std::ostream& out, std::ostream& err,
               const std::string& scriptName)
        : m_driver(driver), m_steps(steps), m_out(out), m_err(err), m_name(scriptName) {}

    int run() {
        m_driver.setNestedSteps([this] { return runNested(); });
        while (!m_failed && next() != Step::None)
            m_driver.spendGivenTime();
        m_driver.setNestedSteps(nullptr);
        // Boxes the game shows after the script are answered at once, as without the script.
        m_driver.holdBoxes(false);
        return m_failed ? 1 : 0;
    }

  private:
    enum class Step { None, Input, Wait, Other };

    // Steps while a transition is drawn or a box is held open: until one gives time, or ends the
    // transition or answers the box.
    bool runNested() {
        while (!m_failed) {
            const Step step = next();
            if (step == Step::None) return false;
            if (step == Step::Wait || !m_driver.nestedGoesOn()) return true;
        }
        return false;
    }

    // Carries out the next step; None at the end of the script or after a failed step.
    Step next() {
        std::string line;
        while (std::getline(m_steps, line)) {
            ++m_number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::istringstream in(line);
            std::string cmd;
            if (!(in >> cmd) || cmd[0] == '#') continue;
            const Step step = carryOut(cmd, in);
            if (m_failed) {
                m_err << m_name << ":" << m_number << ": " << m_why << ": " << line << "\n";
                return Step::None;
            }
            return step;
        }
        return Step::None;
    }

    Step fail(const std::string& why) {
        m_failed = true;
        m_why = why;
        return Step::None;
    }

    Step carryOut(const std::string& cmd, std::istringstream& in) {
        HeadlessDriver& driver = m_driver;
        const bool ended = driver.ended();
        int v[4];
        if (cmd == "click" || cmd == "rclick") {
            if (!readInts(in, v, 2)) return fail("expected two numbers (X Y)");
            if (ended) return fail("the program has ended");
            driver.click(v[0], v[1], cmd == "click" ? platform::kLeftButton : platform::kRightButton);
            return Step::Input;
        }
        if (cmd == "move") {
            if (!readInts(in, v, 2)) return fail("expected two numbers (X Y)");
            if (ended) return fail("the program has ended");
            driver.move(v[0], v[1]);
            return Step::Input;
        }
        if (cmd == "drag") {
            if (!readInts(in, v, 4)) return fail("expected four numbers (X1 Y1 X2 Y2)");
            if (ended) return fail("the program has ended");
            driver.drag(v[0], v[1], v[2], v[3]);
            return Step::Input;
        }
        if (cmd == "key") {
            std::string name = restOfLine(in);
            if (name.empty()) return fail("expected a key name");
            if (ended) return fail("the program has ended");
            if (!driver.key(name)) return fail("unknown key name '" + name + "'");
            return Step::Input;
        }
        if (cmd == "wait") {
            if (!readInts(in, v, 1) || v[0] < 0) return fail("expected a number of milliseconds");
            driver.wait(v[0]);
            return Step::Wait;
        }
        if (cmd == "answer") {
            std::string text = restOfLine(in);
            if (text.empty()) return fail("expected a button caption");
            if (!driver.answer(text)) return fail("the open box has no button '" + text + "'");
            return Step::Other;
        }
        if (cmd == "type") {
            driver.type(restOfLine(in));
            return Step::Other;
        }
        if (cmd == "hold" || cmd == "release") {
            std::string what, extra;
            if (!(in >> what) || what != "boxes" || (in >> extra))
                return fail("expected '" + cmd + " boxes'");
            driver.holdBoxes(cmd == "hold");
            return Step::Other;
        }
        if (cmd == "shot") {
            std::string file = restOfLine(in);
            if (file.empty()) return fail("expected a file name");
            platform::Canvas c = driver.screenshot();
            if (c.empty()) return fail("no window is shown");
            std::string problem = platform::SavePng(c, file);
            if (!problem.empty()) return fail("cannot write the picture (" + problem + ")");
            return Step::Other;
        }
        if (cmd == "state") {
            for (const auto& s : driver.state())
                m_out << s << "\n";
            m_out.flush();
            return Step::Other;
        }
        return fail("unknown step '" + cmd + "'");
    }

    HeadlessDriver& m_driver;
    std::istream& m_steps;
    std::ostream& m_out;
    std::ostream& m_err;
    const std::string m_name;
    int m_number = 0;
    bool m_failed = false;
    std::string m_why;
};

} // namespace

int RunPlayScript(HeadlessDriver& driver, std::istream& steps, std::ostream& out, std::ostream& err,
                  const std::string& scriptName) {
    return StepRunner(driver, steps, out, err, scriptName).run();
}

} // namespace run
