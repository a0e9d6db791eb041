// A game written by the project builder and played on the headless driver, started straight
// into its first frame, with the player's noted steps and readers for what a player would see
// (boxes, state lines). Test folders derive their own rigs from it.
#pragma once

#include "run/driver/HeadlessDriver.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace run::testing {

// A plain-colour frame (the colour as frame files store it: red in the low byte).
inline FrameFile ColourFrame(std::uint32_t colorRef) {
    FrameFile f;
    f.PictureType = 0;
    f.Picture = std::to_string(colorRef);
    return f;
}

struct PlayerRig {
    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    std::filesystem::path settingsFile = tmp / "settings.ini";
    std::filesystem::path documents = tmp / "Documents";
    std::filesystem::path installedComponents; // none unless a test installs some
    ProjectInfo info;
    std::vector<std::string> trace;
    std::unique_ptr<HeadlessDriver> driver;

    // A 640×480 game that skips its welcome window and opens the frame "Start".
    PlayerRig(const std::string& registryName, const std::string& title) {
        info.ProjectRegistryName = registryName;
        info.AdventureName = title;
        info.InitialFrame = "Start";
        info.FrameWidth = 640;
        info.FrameHeight = 480;
        info.SkipWelcomeWindow = true;
    }

    // Writes General and makes the player without starting it (a test may queue answers first).
    HeadlessDriver& prepare() {
        project.general(info);
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{project.folder().string(), settingsFile, documents, installedComponents});
        context().trace.attach(&trace);
        return *driver;
    }
    // Writes General and starts the player, noting its steps from the first one.
    HeadlessDriver& start() {
        prepare().start();
        return *driver;
    }

    Player& player() { return driver->player(); }
    ProjectContext& context() { return player().project(); }
    Flags& flags() { return player().flags(); }
    GameVariables& variables() { return player().variables(); }
    GamePlay& play() { return player().play(); }
    GameWindow& game() { return driver->player().game(); }
    platform::Form& form() { return game().form(); }
    platform::Element* area(int n) { return form().find("Area", n); }

    // The texts of every box shown so far, and how many of them contained `part`.
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> out;
        for (const auto& b : driver->boxes())
            out.push_back(b.text);
        return out;
    }
    int boxesWith(const std::string& part) const {
        auto texts = boxTexts();
        return static_cast<int>(std::count_if(texts.begin(), texts.end(), [&](const std::string& t) {
            return t.find(part) != std::string::npos;
        }));
    }
    // The state lines of one kind ("hotspot: ", "text: " …).
    std::vector<std::string> stateLines(const std::string& prefix) {
        std::vector<std::string> out;
        for (const auto& line : driver->state()) {
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        }
        return out;
    }
};

} // namespace run::testing
