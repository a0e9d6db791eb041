// A game started straight into its first frame on the headless driver, over a project written
// by the builder, with the steps of the player noted and helpers to read boxes and elements.
#pragma once

#include "run/driver/HeadlessDriver.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace run::testing {

// A colour as the frame files store it (red in the low byte) as the painted pixel.
inline platform::Pixel PixelOf(std::uint32_t colorRef) {
    return 0xFF000000u | ((colorRef & 0xFF) << 16) | (colorRef & 0xFF00) | ((colorRef >> 16) & 0xFF);
}

// Pixels compared with a tolerance, for pictures that went through JPEG.
inline bool NearColour(platform::Pixel a, platform::Pixel b, int tolerance = 12) {
    for (int shift : {0, 8, 16}) {
        int ca = static_cast<int>((a >> shift) & 0xFF), cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) return false;
    }
    return true;
}

inline TextSpec Text(int number, std::string caption) {
    TextSpec t;
    t.textNumber = number;
    t.caption = std::move(caption);
    return t;
}

inline FrameFile ColourFrame(std::uint32_t colorRef) {
    FrameFile f;
    f.PictureType = 0;
    f.Picture = std::to_string(colorRef);
    return f;
}

struct FrameRig {
    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    std::filesystem::path settingsFile = tmp / "settings.ini";
    ProjectInfo info;
    std::vector<std::string> trace;
    std::unique_ptr<HeadlessDriver> driver;

    // A 640×480 game that skips its welcome window and opens `Start`, with no variables.
    FrameRig() {
        info.ProjectRegistryName = "FrameTests";
        info.AdventureName = "Frame Tests";
        info.InitialFrame = "Start";
        info.FrameWidth = 640;
        info.FrameHeight = 480;
        info.SkipWelcomeWindow = true;
        project.texts(1).variables({});
    }

    // Writes General and starts the player, noting its steps from the first one.
    HeadlessDriver& start() {
        project.general(info);
        driver = std::make_unique<HeadlessDriver>(PlayerOptions{project.folder().string(), settingsFile});
        session().trace = &trace;
        driver->start();
        return *driver;
    }

    Session& session() { return driver->player().session(); }
    GameWindow& game() { return driver->player().game(); }
    platform::Form& form() { return game().form(); }
    platform::Element* area(int n) { return form().find("Area", n); }
    platform::Element* text(int n) { return form().find("Text", n); }

    // Opens a frame as the game does, with the noted steps starting afresh.
    void open(const std::string& name) {
        trace.clear();
        game().OpenFrame(name, false, 0, 0);
        driver->player().ui().pump();
    }

    // The frame area as painted now, one paint for many pixel reads.
    platform::Canvas frameShot() {
        platform::Canvas shot = driver->screenshot();
        platform::Rect r = platform::ElementRectOnForm(form().get("PictureBox"));
        platform::Canvas out(r.w, r.h);
        out.blit(shot, r, 0, 0);
        return out;
    }

    // The texts of every box shown so far.
    std::vector<std::string> boxTexts() const {
        std::vector<std::string> out;
        for (const auto& b : driver->boxes()) out.push_back(b.text);
        return out;
    }
    // How many boxes so far contained `part`.
    int boxesWith(const std::string& part) const {
        auto texts = boxTexts();
        return static_cast<int>(std::count_if(texts.begin(), texts.end(),
                                              [&](const std::string& t) { return t.find(part) != std::string::npos; }));
    }
    // Position of the first noted step starting with `prefix`; -1 when none.
    int step(const std::string& prefix) const {
        for (std::size_t i = 0; i < trace.size(); ++i) {
            if (trace[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        }
        return -1;
    }
    // The state lines of one kind ("hotspot: ", "text: " …).
    std::vector<std::string> stateLines(const std::string& prefix) {
        std::vector<std::string> out;
        for (const auto& line : driver->state()) {
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        }
        return out;
    }

    // Writes a picture into the project and fails the test on a write error.
    void picture(const std::string& relativePath, const platform::Canvas& c) {
        std::string path = (project.folder() / relativePath).string();
        std::string problem;
        if (path.ends_with(".jpg")) problem = platform::SaveJpg(c, path, 95);
        else if (path.ends_with(".png")) problem = platform::SavePng(c, path);
        else problem = platform::SaveBmp(c, path);
        ASSERT_EQ(problem, "") << relativePath;
    }
};

} // namespace run::testing
