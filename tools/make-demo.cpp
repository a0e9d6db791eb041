// Writes the bundled demo game into a folder: `make-demo examples/demo`. Every file of the demo,
// pictures included, is made here, so the repository holds no third-party game content.
#include "run/platform/graphics/Picture.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/Procedures.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"
#include "tools/DemoSounds.h"

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

// An old-style sound file: 22 values the player skips, then five channel entries (not used,
// stop, play, file, loop); only `channel` plays `file`, over and over.
void writeOldSoundFile(const std::filesystem::path& path, int channel, const std::string& file) {
    run::RecordWriter w = run::RecordWriter::create(path);
    for (int i = 0; i < 22; ++i)
        w.writeField(run::RecordVariant{});
    for (int c = 1; c <= 5; ++c) {
        w.writeField(run::RecordVariant{});
        w.writeField(false);
        w.writeField(c == channel);
        w.writeField(c == channel ? file : std::string());
        w.writeField(std::int16_t(c == channel ? 1 : 0));
    }
    w.commit();
}

void save(const std::string& problem) {
    if (!problem.empty()) throw std::runtime_error(problem);
}

// Dusk over the cove: sky, sea, the pier, and the lighthouse on its rock.
Canvas paintHarbour() {
    Canvas c(W, H);
    VerticalGradient(c, {0, 0, W, 300}, 0xFF1B2A55, 0xFFE8946A);
    FillCircle(c, 470, 250, 40, 0xFFFFD27A);                       // the setting sun
    VerticalGradient(c, {0, 280, W, 200}, 0xFF2C5D7C, 0xFF0E2433); // the sea
    for (int y = 290; y < H; y += 12)
        c.fill({(y * 37) % 200, y, 120, 2}, 0xFF5F8FA8);
    c.fill({0, 360, 300, 24}, 0xFF5A3B22); // the pier
    for (int x = 10; x < 300; x += 40)
        c.fill({x, 384, 10, 60}, 0xFF3E2816);
    c.fill({520, 250, 120, 60}, 0xFF3A3A40); // the rock
    c.fill({560, 110, 40, 150}, 0xFFEDE6D8); // the tower
    for (int y = 130; y < 250; y += 40)
        c.fill({560, y, 40, 16}, 0xFFB8322E);
    c.fill({552, 90, 56, 22}, 0xFF2A2A2A); // the lantern room
    FillCircle(c, 580, 100, 8, 0xFFFFF2A0);
    return c;
}

Canvas paintBoat() {
    Canvas c(120, 60, 0); // transparent around the hull
    for (int y = 30; y < 60; ++y) {
        int inset = (y - 30) / 2;
        c.fill({inset, y, 120 - 2 * inset, 1}, 0xFF7A3E1C);
    }
    c.fill({58, 0, 4, 32}, 0xFF3A2A1A);
    for (int y = 4; y < 30; ++y)
        c.fill({62, y, (y - 4) * 2, 1}, 0xFFF2EEDC);
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
    for (int x = 8; x < 100; x += 23)
        c.fill({x, 6, 3, 158}, 0xFF36200F);
    c.frame({0, 0, 100, 170}, 0xFF1E1208);
    FillCircle(c, 82, 90, 5, 0xFFD4AF37);
    return c;
}

Canvas paintBeach() {
    Canvas c(W, H);
    VerticalGradient(c, {0, 0, W, 220}, 0xFF6FA8DC, 0xFFCFE3F2);
    VerticalGradient(c, {0, 220, W, 90}, 0xFF2F6E91, 0xFF4D93B5);
    VerticalGradient(c, {0, 310, W, 170}, 0xFFE9D5A1, 0xFFC9AE72);
    for (int i = 0; i < 40; ++i)
        FillCircle(c, (i * 97) % W, 330 + (i * 53) % 140, 2, 0xFFB09060);
    return c;
}

Canvas paintCottage() {
    Canvas c(W, H, 0xFF3A4A2E);
    c.fill({0, 330, W, 150}, 0xFF5A4030); // the floor
    for (int x = 0; x < W; x += 64)
        c.fill({x, 330, 2, 150}, 0xFF3E2A1E);
    c.fill({60, 60, 160, 120}, 0xFF9CC4E0); // the window
    c.frame({60, 60, 160, 120}, 0xFF2A1C10);
    c.fill({138, 60, 4, 120}, 0xFF2A1C10);
    c.fill({60, 118, 160, 4}, 0xFF2A1C10);
    c.fill({330, 250, 220, 16}, 0xFF6B4A2E); // the table
    c.fill({345, 266, 12, 80}, 0xFF4B321E);
    c.fill({523, 266, 12, 80}, 0xFF4B321E);
    return c;
}

Canvas paintLanternRoom() {
    Canvas c(W, H);
    VerticalGradient(c, {0, 0, W, H}, 0xFF0B1330, 0xFF1C2A4A);
    for (int i = 0; i < 60; ++i)
        c.setPixel((i * 131) % W, (i * 71) % 200, 0xFFFFFFFF);
    c.fill({0, 380, W, 100}, 0xFF2E2E34); // the gallery floor
    for (int x = 0; x < W; x += 40)
        c.fill({x, 330, 4, 50}, 0xFF55555C);
    c.fill({0, 328, W, 4}, 0xFF55555C);
    return c;
}

Canvas paintLamp(bool lit) {
    Canvas c(96, 96, 0);
    c.fill({30, 70, 36, 20}, 0xFF3A3A3A);
    c.fill({26, 20, 44, 52}, lit ? 0xC0FFF0A0 : 0xA0A0B0C0);
    c.frame({26, 20, 44, 52}, 0xFF202020);
    c.fill({34, 8, 28, 12}, 0xFF3A3A3A);
    if (lit) FillCircle(c, 48, 46, 12, 0xFFFFF8D0);
    return c;
}

// A 32×32 item icon: a shape on a transparent background.
Canvas icon(const std::string& kind) {
    Canvas c(32, 32, 0);
    if (kind == "bottle") {
        c.fill({12, 10, 8, 20}, 0xFF3C7A3C);
        c.fill({14, 3, 4, 8}, 0xFF3C7A3C);
        c.fill({14, 16, 4, 8}, 0xFFE0C060);
    } else if (kind == "wick") {
        for (int i = 0; i < 24; ++i)
            c.fill({4 + i, 14 + (i % 6 < 3 ? i % 3 : 3 - i % 3), 2, 3}, 0xFFF2EEDC);
    } else if (kind == "fuel") {
        c.fill({8, 10, 16, 20}, 0xFFB03A2A);
        c.fill({12, 4, 4, 7}, 0xFF808080);
        c.fill({16, 14, 10, 2}, 0xFFF2EEDC);
    } else if (kind == "key") {
        FillCircle(c, 9, 16, 6, 0xFFD4AF37);
        FillCircle(c, 9, 16, 2, 0);
        c.fill({14, 15, 16, 3}, 0xFFD4AF37);
        c.fill({24, 18, 3, 5}, 0xFFD4AF37);
    }
    return c;
}

// A hotspot picture from an icon, twice the size, as an .ico file.
std::string bigIcon(const std::string& kind) {
    Canvas small = icon(kind), big(64, 64, 0);
    big.stretch(small, small.bounds(), big.bounds());
    return MakeIconBytes(big);
}

HotspotSpec rect(int x, int y, int w, int h) {
    HotspotSpec s;
    s.left = x * T - 30;
    s.top = y * T - 30;
    s.width = w * T + 60;
    s.height = h * T + 60;
    s.cursorFile = "look.cur";
    return s;
}

HotspotSpec picture(int x, int y, const std::string& file) {
    HotspotSpec s = rect(x, y, 1, 1);
    s.hasPicture = true;
    s.pictureFile = file;
    return s;
}

ActionSpec go(const std::string& frame) {
    ActionSpec a;
    a.goToFrame = frame;
    return a;
}

// A frame change with transition `number` (1 blends, 2 to 5 slide) over `ms` milliseconds.
ActionSpec goWith(const std::string& frame, int number, double ms) {
    ActionSpec a = go(frame);
    a.transitionKind = 1;
    a.transitionNumber = number;
    a.transitionMs = ms;
    return a;
}

ActionSpec say(const std::string& text) {
    ActionSpec a;
    a.showMessage = true;
    a.message = text;
    return a;
}

// The frame's requests for the audio channels: entry k is channel k's.
run::ChannelRequestBlock channels(double fadeMs, std::vector<run::ChannelRequestEntry> entries) {
    run::ChannelRequestBlock c;
    c.fadeSeconds = fadeMs / 1000;
    c.valuesPerEntry = 5;
    c.entries = std::move(entries);
    return c;
}

run::ChannelRequestEntry fadeTo(const std::string& file, double level) {
    return {2, true, true, level, file};
}
run::ChannelRequestEntry fadeOut() {
    return {3, true, false, 0, ""};
}
run::ChannelRequestEntry stop() {
    return {3, false, false, 0, ""};
}
run::ChannelRequestEntry nothing() {
    return {0, false, false, 0, ""};
}

TextSpec caption(const std::string& text, int x, int y, double size = 11, bool bold = false,
                 std::uint32_t colour = 0xF0F0F0) {
    return TextSpec{1, text, x * T, y * T, bold, false, "Arial", size, false, false, colour};
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
        info.VersionText = "Demo edition 0.3";
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
        b.variables({"door_open", "lantern_lit", "visited_beach", "visits", "visited_cottage", "tide",
                     "logged_visits", "gusts", "gust_event"},
                    {"visitor_name"});
        // The procedures, scrambled with the game's key as a compiled game stores them.
        b.procedures("' Gull Cove's procedures\r\n"
                     "Sub CountVisit()\r\n"
                     "    visits = visits + 1\r\n"
                     "End Sub\r\n"
                     "\r\n"
                     "' The beach's script timer: the tide comes in after three seconds.\r\n"
                     "Sub TimerObject0()\r\n"
                     "    tide = tide + 1\r\n"
                     "    If tide >= 3 Then\r\n"
                     "        TimerObject(0).Enabled = False\r\n"
                     "        Text(2).Visible = True\r\n"
                     "    End If\r\n"
                     "End Sub",
                     run::ProjectKeyNumber(info.ProjectRegistryName));

        // Pointers, items and their icons.
        b.file("Icons/compass.cur", MakeCursorBytes(ArrowPointer(0xFFF0E6C8), 0, 0));
        b.file("Icons/look.cur", MakeCursorBytes(
                                     [] {
                                         Canvas c(32, 32, 0);
                                         FillCircle(c, 12, 12, 9, 0xFF000000);
                                         FillCircle(c, 12, 12, 7, 0x80FFFFFF);
                                         for (int i = 0; i < 10; ++i)
                                             c.fill({18 + i, 18 + i, 3, 3}, 0xFF000000);
                                         return c;
                                     }(),
                                     12, 12));
        for (const char* kind : {"bottle", "wick", "fuel", "key"}) {
            b.file(std::string("Areas/") + kind + ".ico", MakeIconBytes(icon(kind)));
            b.file(std::string("Areas/") + kind + "_big.ico", bigIcon(kind));
        }
        b.item("oil bottle", "bottle.ico")
            .item("wick", "wick.ico")
            .item("lamp fuel", "fuel.ico")
            .item("key", "key.ico");
        // The wick dropped on the oil bottle makes lamp fuel; both are used up.
        b.combination("wick", "oil bottle", true, true, "lamp fuel");

        // Sounds: the sea is the outdoor music; wind and surf cross-fade on channel 1 between the
        // harbour and the beach; the cottage's clock comes from an old-style sound file.
        b.file("Areas/waves.wav", demo::Waves());
        b.file("Areas/wind.wav", demo::Wind());
        b.file("Areas/surf.wav", demo::Surf());
        b.file("Areas/clock.wav", demo::Clock());
        b.file("Areas/jingle.wav", demo::Jingle());
        b.file("Frames/creak.wav", demo::Creak());
        b.file("Frames/chime.wav", demo::Chime());
        b.file("Areas/shanty.mid", demo::Shanty());

        // Harbour: the lighthouse, the boat, the path to the beach and the cottage door.
        save(run::platform::SaveJpg(paintHarbour(), (root / "Frames" / "harbour.jpg").string(), 88));
        b.file("Areas/boat.ico", MakeIconBytes([] {
                   Canvas sq(120, 120, 0);
                   Canvas boat = paintBoat();
                   sq.blit(boat, boat.bounds(), 0, 60);
                   return sq;
               }()));
        run::FrameFile harbour;
        harbour.PictureType = 1;
        harbour.Picture = "harbour.jpg";
        harbour.RunEntryScript = true;
        // The visit count kept when the cottage was left comes back from the player's settings,
        // and a gull cries a few seconds after the player arrives.
        harbour.MusicFile = "waves.wav";
        harbour.channelRequests = channels(1500, {fadeTo("wind.wav", 6), nothing(), stop()});
        harbour.EntryScript = "CountVisit : TimerObject(0).Enabled = False : "
                              "logged_visits = ConvertToNumber(LoadParameter(|cottage_visit|, 0)) : "
                              "Text(5).Visible = False : CreateTimedEvent 4, |Text(5).Visible = True|, False";
        b.frame("Harbour", harbour);
        b.hotspots("Harbour", {rect(540, 80, 80, 190), picture(150, 250, "boat.ico"), rect(0, 420, 120, 60),
                               rect(330, 330, 110, 50)});
        ActionSpec boat = say("An old rowing boat. Its oars are long gone.");
        boat.frameSound = "creak.wav";
        b.actions("Harbour",
                  {goWith("Lighthouse", 1, 1000), boat, goWith("Beach", 2, 700), goWith("Cottage", 5, 700)});
        b.texts("Harbour", {TextSpec{1, "Gull Cove", 24 * T, 20 * T, true, false, "Times New Roman", 24,
                                     false, false, 0x7AD2FF},
                            caption("The lantern has been dark for seven nights.", 24, 60),
                            caption("to the beach", 8, 450, 9), caption("cottage", 350, 340, 9),
                            caption("A gull cries over the water.", 24, 90, 11, false, 0xE0E0E0)});

        // Beach: its picture is stored under the hidden name a compiled game gives it.
        std::string beachPicture = (root / "Frames" / "beach.jpg").string();
        save(run::platform::SaveJpg(paintBeach(), run::HiddenPath(beachPicture, true), 88));
        run::FrameFile beach;
        beach.PictureType = 1;
        beach.Picture = "beach.jpg";
        beach.RunEntryScript = true;
        beach.MusicFile = "waves.wav";
        beach.channelRequests = channels(1500, {fadeTo("surf.wav", 8)});
        beach.EntryScript = "tide = 0 : Text(2).Visible = False : TimerObject(0).Interval = 1000 : "
                            "TimerObject(0).Enabled = True";
        b.frame("Beach", beach);
        b.hotspots("Beach", {picture(300, 380, "bottle_big.ico"), rect(0, 0, 640, 40)});
        ActionSpec takeBottle = say("A bottle of lamp oil, washed up with the tide.");
        takeBottle.disappear = true;
        takeBottle.pickItem = "oil bottle";
        takeBottle.variable = "visited_beach";
        takeBottle.setOne = true;
        ActionSpec back;
        back.goBack = true;
        b.actions("Beach", {takeBottle, back});
        b.texts("Beach", {caption("back to the harbour", 260, 12, 10, true),
                          caption("The tide is coming in.", 230, 60, 12, true, 0xFFE0A0)});

        // Cottage: a wick on the table, and the key on its hook.
        save(run::platform::SaveJpg(paintCottage(), (root / "Frames" / "cottage.jpg").string(), 88));
        run::FrameFile cottage;
        cottage.PictureType = 1;
        cottage.Picture = "cottage.jpg";
        cottage.StopMusic = true; // indoors the sea and the wind are not heard, only the clock
        cottage.channelRequests = channels(1000, {fadeOut()});
        b.frame("Cottage", cottage);
        writeOldSoundFile(root / "Frames" / "Cottage.chn", 3, "clock.wav");
        b.hotspots("Cottage", {picture(420, 200, "wick_big.ico"), picture(560, 120, "key_big.ico"),
                               rect(0, 440, 640, 40)});
        ActionSpec takeWick = say("A spare lamp wick.");
        takeWick.disappear = true;
        takeWick.pickItem = "wick";
        ActionSpec takeKey; // by script: the item and its message
        takeKey.disappear = true;
        takeKey.script = "AddItem |key|, False : Message |The keeper's key to the lighthouse.|";
        takeKey.hotspotSound = "jingle.wav";
        takeKey.loopHotspotSound = false;
        ActionSpec leaveCottage; // by script: a variable, a setting, then the frame it came from
        leaveCottage.script = "visited_cottage = 1 : SaveParameter |cottage_visit|, visits : "
                              "GoToFrame |Last Visited Frame|, 0.7, 3";
        b.actions("Cottage", {takeWick, takeKey, leaveCottage});
        b.texts("Cottage", {TextSpec{1, "The keeper's cottage", 200 * T, 20 * T, true, false,
                                     "Times New Roman", 20, false, false, 0xA8E0F0},
                            caption("back to the harbour", 260, 452, 10, true), caption("[EMPTY]", 0, 0)});

        // The lighthouse door: locked until the key is used on it.
        save(run::platform::SaveBmp(paintBrickTile(), (root / "Frames" / "bricks.bmp").string()));
        save(run::platform::SaveBmp(paintDoor(), (root / "Areas" / "door.bmp").string()));
        run::FrameFile tower;
        tower.PictureType = 1;
        tower.Picture = "bricks.bmp";
        tower.TilePicture = true;
        // Inside, the tune takes over from the sea and the wind dies away with the blend.
        tower.MusicFile = "shanty.mid";
        tower.channelRequests = channels(1000, {fadeOut()});
        b.frame("Lighthouse", tower);
        HotspotSpec door = picture(270, 250, "door.bmp");
        door.hasConditions = true;
        door.hideIf = {"door_open"};
        HotspotSpec doorway = rect(270, 250, 100, 170);
        doorway.hasConditions = true;
        doorway.showIf = {"door_open"};
        b.hotspots("Lighthouse", {door, doorway, rect(0, 440, 640, 40)});
        b.actions("Lighthouse", {say("The door is locked."), goWith("LanternRoom", 4, 800), back});
        ActionSpec unlock = say("The key turns. The door swings open.");
        unlock.variable = "door_open";
        unlock.setOne = true;
        unlock.disappear = true; // the key stays in the lock
        b.itemActions("Lighthouse", {{"1_key.drg", unlock}});
        b.texts("Lighthouse", {caption("The lighthouse door", 240, 200, 14, true),
                               caption("back to the harbour", 260, 452, 10, true)});

        // The lantern room: fuel in the lamp lights it, and the story ends.
        save(run::platform::SaveJpg(paintLanternRoom(), (root / "Frames" / "lanternroom.jpg").string(), 88));
        b.file("Areas/lamp.ico", MakeIconBytes(paintLamp(false)));
        run::FrameFile lantern;
        lantern.PictureType = 1;
        lantern.Picture = "lanternroom.jpg";
        lantern.MusicFile = "shanty.mid";
        // Three gusts of wind rattle the glass, two seconds apart; the last one ends the event.
        lantern.RunEntryScript = true;
        lantern.EntryScript = "gusts = 0 : Text(3).Visible = False : gust_event = CreateTimedEvent(2, "
                              "|gusts = gusts + 1 : Text(3).Visible = Not Text(3).Visible : "
                              "If gusts >= 3 Then RemoveTimedEvent gust_event|, True)";
        b.frame("LanternRoom", lantern);
        b.hotspots("LanternRoom", {picture(272, 200, "lamp.ico"), rect(0, 440, 640, 40)});
        b.actions("LanternRoom", {say("The great lamp is cold and dry."), back});
        ActionSpec light = say("The wick takes the fuel, and the lamp blazes into light.");
        light.variable = "lantern_lit";
        light.setOne = true;
        light.disappear = true;
        light.goToFrame = "Ending";
        b.itemActions("LanternRoom", {{"1_lamp fuel.drg", light}});
        b.texts("LanternRoom", {caption("The lantern room", 250, 30, 16, true, 0xFFF0C0),
                                caption("back down", 280, 452, 10, true),
                                caption("The wind rattles the glass.", 230, 80, 12, false, 0xC0D8F0)});

        // The ending: a timed frame that leaves the game after a few seconds.
        run::FrameFile ending;
        ending.PictureType = 0;
        ending.Picture = std::to_string(0x3A1A0A);
        ending.TimerEnabled = true;
        ending.TimerSeconds = "6";
        ending.TimerTarget = "[quit]";
        ending.StopMusic = true;
        ending.FrameSoundFile = "chime.wav";
        b.frame("Ending", ending);
        b.texts("Ending", {TextSpec{1, "The lantern shines again over Gull Cove.", 90 * T, 200 * T, true,
                                    false, "Times New Roman", 22, false, false, 0x60D8FF},
                           caption("Thank you for playing.", 250, 260, 12)});
    } catch (const std::exception& e) {
        std::cerr << "make-demo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
