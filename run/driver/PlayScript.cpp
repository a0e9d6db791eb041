// The play-script steps: click, rclick, drag, move, key, wait, answer, type, shot, state.
#include "run/driver/PlayScript.h"

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

} // namespace

int RunPlayScript(HeadlessDriver& driver, std::istream& steps, std::ostream& out, std::ostream& err,
                  const std::string& scriptName) {
    std::string line;
    int number = 0;
    while (std::getline(steps, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream in(line);
        std::string cmd;
        if (!(in >> cmd) || cmd[0] == '#') continue;
        auto fail = [&](const std::string& why) {
            err << scriptName << ":" << number << ": " << why << ": " << line << "\n";
            return 1;
        };
        bool ended = driver.ended();
        int v[4];
        if (cmd == "click" || cmd == "rclick") {
            if (!readInts(in, v, 2)) return fail("expected two numbers (X Y)");
            if (ended) return fail("the program has ended");
            driver.click(v[0], v[1], cmd == "click" ? platform::kLeftButton : platform::kRightButton);
        } else if (cmd == "move") {
            if (!readInts(in, v, 2)) return fail("expected two numbers (X Y)");
            if (ended) return fail("the program has ended");
            driver.move(v[0], v[1]);
        } else if (cmd == "drag") {
            if (!readInts(in, v, 4)) return fail("expected four numbers (X1 Y1 X2 Y2)");
            if (ended) return fail("the program has ended");
            driver.drag(v[0], v[1], v[2], v[3]);
        } else if (cmd == "key") {
            std::string name = restOfLine(in);
            if (name.empty()) return fail("expected a key name");
            if (ended) return fail("the program has ended");
            if (!driver.key(name)) return fail("unknown key name '" + name + "'");
        } else if (cmd == "wait") {
            if (!readInts(in, v, 1) || v[0] < 0) return fail("expected a number of milliseconds");
            driver.wait(v[0]);
        } else if (cmd == "answer") {
            std::string text = restOfLine(in);
            if (text.empty()) return fail("expected a button caption");
            driver.answer(text);
        } else if (cmd == "type") {
            driver.type(restOfLine(in));
        } else if (cmd == "shot") {
            std::string file = restOfLine(in);
            if (file.empty()) return fail("expected a file name");
            platform::Canvas c = driver.screenshot();
            if (c.empty()) return fail("no window is shown");
            std::string problem = platform::SavePng(c, file);
            if (!problem.empty()) return fail("cannot write the picture (" + problem + ")");
        } else if (cmd == "state") {
            for (const auto& s : driver.state()) out << s << "\n";
            out.flush();
        } else {
            return fail("unknown step '" + cmd + "'");
        }
    }
    return 0;
}

} // namespace run
