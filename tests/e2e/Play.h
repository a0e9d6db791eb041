// A player on the headless driver over a project written by the builder, with its own settings
// file, and clicks aimed at elements by name.
#pragma once

#include "run/driver/HeadlessDriver.h"
#include "run/driver/PlayScript.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/ProjectBuilder.h"

#include <memory>
#include <sstream>

#include <gtest/gtest.h>

namespace run::testing {

inline ProjectInfo BasicInfo() {
    ProjectInfo i;
    i.ProjectRegistryName = "GullCove";
    i.AdventureName = "The Lantern of Gull Cove";
    i.InitialFrame = "Harbour";
    i.VersionText = "Version 1.0";
    i.Author = "Ann Author";
    i.Email = "ann@example.org";
    i.Homepage = "https://example.org/gull";
    i.OfferResolutionChange = 1;
    i.ProjectResolution = 0;
    return i;
}

struct Play {
    // Every project has the first frame that Start opens (a plain colour) and a variables list.
    Play() { project.frame("Harbour", FrameFile{}).variables({}); }

    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    std::filesystem::path settingsFile = tmp / "settings.ini";
    std::unique_ptr<HeadlessDriver> driver;

    HeadlessDriver& start(platform::DisplayMode desktop = {1280, 1024, 60, 32}) {
        prepare(desktop);
        driver->start();
        return *driver;
    }
    // Makes the player without starting it, for tests that set it up first.
    HeadlessDriver& prepare(platform::DisplayMode desktop = {1280, 1024, 60, 32}) {
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{
                project.folder().string(), settingsFile, settingsFile.parent_path() / "Documents", {}},
            desktop);
        return *driver;
    }

    Player& player() { return driver->player(); }
    platform::Form& welcome() { return player().welcome().form(); }
    platform::Element& element(const std::string& name, int index = -1) { return welcome().get(name, index); }
    bool welcomeActive() { return player().ui().activeForm() == &welcome(); }
    bool gameActive() { return player().ui().activeForm() == &player().game().form(); }

    // Clicks the middle of an element of the active window.
    void click(const std::string& name, int index = -1) {
        platform::Form* f = player().ui().activeForm();
        ASSERT_NE(f, nullptr);
        platform::Rect r = platform::ElementRectOnForm(f->get(name, index));
        driver->click(r.x + r.w / 2 - platform::TwipsToPixels(f->insideLeft()),
                      r.y + r.h / 2 - platform::TwipsToPixels(f->insideTop()));
    }
};

struct ScriptResult {
    int status;
    std::string out, err;
};

// Carries out play-script steps on the player, as a file named steps.txt.
inline ScriptResult RunScript(Play& play, const std::string& steps) {
    std::istringstream in(steps);
    std::ostringstream out, err;
    const int status = RunPlayScript(*play.driver, in, out, err, "steps.txt");
    return {status, out.str(), err.str()};
}

} // namespace run::testing
