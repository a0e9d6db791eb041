// A game started straight into its first frame on the headless driver, over a project written
// by the builder, with the steps of the player noted and helpers to read boxes and elements.
#pragma once

#include "run/driver/HeadlessDriver.h"
#include "run/platform/graphics/Picture.h"
#include "run/platform/ui/FormPainter.h"
#include "tests/support/PlayerRig.h"
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

struct FrameRig : PlayerRig {
    // A game that opens `Start`, with no variables.
    FrameRig() : PlayerRig("FrameTests", "Frame Tests") { project.texts(1).variables({}); }

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

    // Position of the first noted step starting with `prefix`; -1 when none.
    int step(const std::string& prefix) const {
        for (std::size_t i = 0; i < trace.size(); ++i) {
            if (trace[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        }
        return -1;
    }
    // Writes a picture into the project and fails the test on a write error.
    void picture(const std::string& relativePath, const platform::Canvas& c) {
        std::string path = (project.folder() / relativePath).string();
        std::string problem;
        if (path.ends_with(".jpg"))
            problem = platform::SaveJpg(c, path, 95);
        else if (path.ends_with(".png"))
            problem = platform::SavePng(c, path);
        else
            problem = platform::SaveBmp(c, path);
        ASSERT_EQ(problem, "") << relativePath;
    }
};

} // namespace run::testing
