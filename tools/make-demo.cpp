// Writes the bundled demo game into a folder: `make-demo examples/demo`. Every file of the demo,
// pictures included, is made here, so the repository holds no third-party game content.
#include "run/platform/graphics/Picture.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"

#include <cmath>
#include <exception>
#include <filesystem>
#include <iostream>
#include <stdexcept>

namespace {

using run::platform::Canvas;
using run::platform::Pixel;
using run::platform::Rect;
using namespace run::testing;

constexpr int W = 640, H = 480;
constexpr int T = 15; // twips per pixel

void save(const std::string& problem) {
    if (!problem.empty()) throw std::runtime_error(problem);
}

// Dusk over the cove: sky, sea, the pier, and the lighthouse on its rock.
Canvas paintHarbour() {
    Canvas c(W, H);
    VerticalGradient(c, {0, 0, W, 300}, 0xFF1B2A55, 0xFFE8946A);
    FillCircle(c, 470, 250, 40, 0xFFFFD27A);                       // the setting sun
    VerticalGradient(c, {0, 280, W, 200}, 0xFF2C5D7C, 0xFF0E2433);  // the sea
    for (int y = 290; y < H; y += 12) c.fill({(y * 37) % 200, y, 120, 2}, 0xFF5F8FA8);
    c.fill({0, 360, 300, 24}, 0xFF5A3B22);                         // the pier
    for (int x = 10; x < 300; x += 40) c.fill({x, 384, 10, 60}, 0xFF3E2816);
    c.fill({520, 250, 120, 60}, 0xFF3A3A40);                       // the rock
    c.fill({560, 110, 40, 150}, 0xFFEDE6D8);                       // the tower
    for (int y = 130; y < 250; y += 40) c.fill({560, y, 40, 16}, 0xFFB8322E);
    c.fill({552, 90, 56, 22}, 0xFF2A2A2A);                         // the lantern room
    FillCircle(c, 580, 100, 8, 0xFFFFF2A0);
    return c;
}

Canvas paintBoat() {
    Canvas c(120, 60, 0);   // transparent around the hull
    for (int y = 30; y < 60; ++y) {
        int inset = (y - 30) / 2;
        c.fill({inset, y, 120 - 2 * inset, 1}, 0xFF7A3E1C);
    }
    c.fill({58, 0, 4, 32}, 0xFF3A2A1A);
    for (int y = 4; y < 30; ++y) c.fill({62, y, (y - 4) * 2, 1}, 0xFFF2EEDC);
    return c;
}

Canvas paintBrickTile() {
    Canvas c(32, 16, 0xFF8A3B26);
    c.fill({0, 7, 32, 2}, 0xFFC9B99A);
    c.fill({0, 15, 32, 1}, 0xFFC9B99A);
    c.fill({15, 0, 2, 7}, 0xFFC9B99A);
    c.fill({0, 9, 1, 6}, 0xFFC9B99A);
    c.fill({31, 9, 1, 6}, 0xFFC9B99A);
    return c;
}

Canvas paintDoor() {
    Canvas c(100, 170, 0xFF4B2E17);
    for (int x = 8; x < 100; x += 23) c.fill({x, 6, 3, 158}, 0xFF36200F);
    c.frame({0, 0, 100, 170}, 0xFF1E1208);
    FillCircle(c, 82, 90, 5, 0xFFD4AF37);
    return c;
}

Canvas paintBeach() {
    Canvas c(W, H);
    VerticalGradient(c, {0, 0, W, 220}, 0xFF6FA8DC, 0xFFCFE3F2);
    VerticalGradient(c, {0, 220, W, 90}, 0xFF2F6E91, 0xFF4D93B5);
    VerticalGradient(c, {0, 310, W, 170}, 0xFFE9D5A1, 0xFFC9AE72);
    for (int i = 0; i < 40; ++i) FillCircle(c, (i * 97) % W, 330 + (i * 53) % 140, 2, 0xFFB09060);
    return c;
}

Canvas paintShell() {
    Canvas c(48, 40, 0);
    FillCircle(c, 24, 24, 16, 0xFFF3C9B0);
    for (int k = -12; k <= 12; k += 6) c.fill({24 + k, 10, 2, 28}, 0xFFD69C82);
    return c;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-demo FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path root = argv[1];
        run::ProjectInfo info;
        info.ProjectRegistryName = "LanternCoveDemo";
        info.AdventureName = "The Lantern of Gull Cove";
        info.InitialFrame = "Harbour";
        info.VersionText = "Demo edition 0.2";
        info.FrameWidth = W;
        info.FrameHeight = H;
        info.Author = "The Adventure Player team";
        info.Email = "demo@adventure-player.example";
        info.Homepage = "https://adventure-player.example/demo";
        info.OfferResolutionChange = 1;
        info.ProjectResolution = 0;
        info.DefaultCursor = "compass.cur";
        ProjectBuilder b(root);
        b.general(info).texts(1).more("ScriptTimeOut", "0");
        b.variables({"lantern_lit", "door_open", "has_key"}, {"visitor_name"});

        // Pictures and pointers.
        save(run::platform::SaveJpg(paintHarbour(), (root / "Frames" / "harbour.jpg").string(), 88));
        save(run::platform::SaveJpg(paintBeach(), (root / "Frames" / "beach.jpg").string(), 88));
        save(run::platform::SaveBmp(paintBrickTile(), (root / "Frames" / "bricks.bmp").string()));
        save(run::platform::SaveBmp(paintDoor(), (root / "Areas" / "door.bmp").string()));
        b.file("Areas/boat.ico", MakeIconBytes(paintBoat().empty() ? Canvas(1, 1) : [] {
            // Icons are square: the boat sits at the bottom of a 120×120 picture.
            Canvas sq(120, 120, 0);
            Canvas boat = paintBoat();
            sq.blit(boat, boat.bounds(), 0, 60);
            return sq;
        }()));
        b.file("Areas/shell.ico", MakeIconBytes([] {
            Canvas sq(48, 48, 0);
            Canvas shell = paintShell();
            sq.blit(shell, shell.bounds(), 0, 4);
            return sq;
        }()));
        b.file("Icons/compass.cur", MakeCursorBytes(ArrowPointer(0xFFF0E6C8), 0, 0));
        b.file("Icons/look.cur", MakeCursorBytes([] {
            Canvas c(32, 32, 0);
            FillCircle(c, 12, 12, 9, 0xFF000000);
            FillCircle(c, 12, 12, 7, 0x80FFFFFF);
            for (int i = 0; i < 10; ++i) c.fill({18 + i, 18 + i, 3, 3}, 0xFF000000);
            return c;
        }(), 12, 12));

        // Frames.
        run::FrameFile harbour;
        harbour.PictureType = 1;
        harbour.Picture = "harbour.jpg";
        b.frame("Harbour", harbour);
        HotspotSpec lighthouse;
        lighthouse.left = 540 * T;
        lighthouse.top = 80 * T;
        lighthouse.width = 80 * T;
        lighthouse.height = 190 * T;
        lighthouse.cursorFile = "look.cur";
        HotspotSpec boat;
        boat.left = 150 * T - 30;
        boat.top = 250 * T - 30;
        boat.hasPicture = true;
        boat.pictureFile = "boat.ico";
        boat.cursorFile = "look.cur";
        HotspotSpec beachPath;
        beachPath.left = 0;
        beachPath.top = 420 * T;
        beachPath.width = 120 * T;
        beachPath.height = 60 * T;
        b.hotspots("Harbour", {lighthouse, boat, beachPath});
        TextSpec title{1, "Gull Cove", 24 * T, 20 * T, true, false, "Times New Roman", 24, false, false, 0x7AD2FF};
        TextSpec hint{2, "The lantern has been dark for seven nights.", 24 * T, 60 * T, false, true, "Arial", 11,
                      false, false, 0xF0F0F0};
        b.texts("Harbour", {title, hint});

        run::FrameFile tower;
        tower.PictureType = 1;
        tower.Picture = "bricks.bmp";
        tower.TilePicture = true;
        b.frame("Lighthouse", tower);
        HotspotSpec door;
        door.left = 270 * T - 30;
        door.top = 250 * T - 30;
        door.hasPicture = true;
        door.pictureFile = "door.bmp";
        door.cursorFile = "look.cur";
        door.hasConditions = true;
        door.hideIf = {"door_open"};
        b.hotspots("Lighthouse", {door});
        b.texts("Lighthouse", {{1, "The lighthouse door", 220 * T, 200 * T, true, false, "Arial", 14, false, false,
                                0xFFFFFF}});

        run::FrameFile cottage;
        cottage.PictureType = 0;
        cottage.Picture = std::to_string(0x2E4A3A); // a dark green wall
        b.frame("Cottage", cottage);
        b.texts("Cottage", {{1, "The keeper's cottage", 200 * T, 40 * T, true, false, "Times New Roman", 20, false,
                             false, 0xA8E0F0},
                            {2, "[EMPTY]", 0, 0, false, false, "", 10, false, false, 0}});

        run::FrameFile beach;
        beach.PictureType = 1;
        beach.Picture = "beach.jpg";
        b.frame("Beach", beach);
        HotspotSpec shell;
        shell.left = 300 * T - 30;
        shell.top = 380 * T - 30;
        shell.hasPicture = true;
        shell.pictureFile = "shell.ico";
        b.hotspots("Beach", {shell});
    } catch (const std::exception& e) {
        std::cerr << "make-demo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
