// A small game built for each test and played on the headless driver: two colour frames,
// hotspots given in frame pixels, items with solid-colour icons, and readers for the state a
// player would see (frame, items, variables, boxes) and the steps the player noted.
#pragma once

#include "run/driver/HeadlessDriver.h"
#include "run/frames/Inventory.h"
#include "run/platform/ui/FormPainter.h"
#include "run/state/Variables.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/PlayerRig.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace run::testing {

// A hotspot covering exactly x, y, w, h in frame pixels (the stored rectangle has a border).
inline HotspotSpec Spot(int x, int y, int w, int h) {
    HotspotSpec s;
    s.left = x * platform::kTwipsPerPixel - 30;
    s.top = y * platform::kTwipsPerPixel - 30;
    s.width = w * platform::kTwipsPerPixel + 60;
    s.height = h * platform::kTwipsPerPixel + 60;
    return s;
}

// Hotspot n of a row along y = 200, 60 pixels square; ClickSpot clicks the middle of one.
inline std::vector<HotspotSpec> Row(int count) {
    std::vector<HotspotSpec> spots;
    for (int n = 1; n <= count; ++n)
        spots.push_back(Spot(20 + (n - 1) * 70, 200, 60, 60));
    return spots;
}

inline FrameFile Colour(std::uint32_t colorRef) {
    return ColourFrame(colorRef);
}

inline ActionSpec Go(const std::string& frame) {
    ActionSpec a;
    a.goToFrame = frame;
    return a;
}

inline ActionSpec Say(const std::string& text, bool inFrame = true) {
    ActionSpec a;
    a.showMessage = true;
    a.message = text;
    a.messageInFrame = inFrame;
    return a;
}

struct GameRig : PlayerRig {
    // Frames Start (dark blue) and Other (dark green), pop-up of picked items off, variables v,
    // w, x.
    GameRig() : PlayerRig("GameplayTests", "Gameplay Tests") {
        info.OpenInventoryOnPickUp = false;
        project.texts(1).variables({"v", "w", "x"});
        project.frame("Start", Colour(0x400000)).frame("Other", Colour(0x004000));
    }

    // An item whose icon is a solid square of `colour` (0xAARRGGBB).
    void item(const std::string& name, platform::Pixel colour = 0xFFC03020) {
        platform::Canvas icon(32, 32, colour);
        project.file("Areas/" + name + ".ico", MakeIconBytes(icon));
        project.item(name, name + ".ico");
    }

    Inventory& inventory() { return game().inventory(); }
    std::string frame() { return game().frameName(); }
    std::int16_t var(const std::string& name) { return GetVariableValue(variables(), name); }

    std::vector<std::string> items() {
        std::vector<std::string> out;
        for (int i = 1; i <= inventory().ObjectsCount(); ++i)
            out.push_back(inventory().itemName(i));
        return out;
    }
    // Adds items straight to the inventory, without the pop-up.
    void give(const std::vector<std::string>& names) {
        for (const auto& n : names)
            inventory().AddPickedObject(n, true);
    }
    // The centre of item n's cell, in frame pixels, with the panel open.
    std::pair<int, int> itemCentre(int n) {
        platform::Rect r = platform::ElementRectOnForm(form().get("PickedObject", n));
        platform::Rect f = platform::ElementRectOnForm(form().get("PictureBox"));
        return {r.x - f.x + r.w / 2, r.y - f.y + r.h / 2};
    }
    void openPanel() {
        driver->move(300, 1);
        ASSERT_TRUE(inventory().panelOpen());
    }

    int notes(const std::string& prefix) const {
        return static_cast<int>(std::count_if(trace.begin(), trace.end(),
                                              [&](const std::string& t) { return t.rfind(prefix, 0) == 0; }));
    }
};

inline void ClickSpot(GameRig& g, int n) {
    g.driver->click(50 + (n - 1) * 70, 230);
}

} // namespace run::testing
