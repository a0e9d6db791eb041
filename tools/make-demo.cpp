// Writes the bundled demo game into a folder: `make-demo examples/demo`. Every file of the demo,
// pictures included, is made here, so the repository holds no third-party game content.
#include "run/platform/graphics/Picture.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/Procedures.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/VideoMaker.h"
#include "tools/DemoSounds.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <filesystem>
#include <iostream>
#include <numbers>
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
    // Glints on the open water, which ripples.
    for (int y = 398; y < H; y += 7)
        for (int x = 310 + (y * 53) % 90; x < W - 20; x += 110)
            c.fill({x, y, 34 + (y * 7) % 20, 2}, y % 2 ? 0xFF7FAFC8 : 0xFF4F7F98);
    c.fill({0, 360, 300, 24}, 0xFF5A3B22); // the pier
    for (int x = 10; x < 300; x += 40)
        c.fill({x, 384, 10, 60}, 0xFF3E2816);
    // Old Abel, sitting on the pier with his line in the water.
    c.fill({74, 334, 24, 26}, 0xFF2C3E5A);
    FillCircle(c, 86, 326, 8, 0xFFE0B890);
    c.fill({77, 316, 18, 5}, 0xFF3A2A1A);
    c.fill({96, 330, 40, 2}, 0xFF6A5030);
    c.fill({135, 330, 1, 40}, 0xFFC0C0C0);
    c.fill({520, 250, 120, 60}, 0xFF3A3A40); // the rock
    c.fill({560, 110, 40, 150}, 0xFFEDE6D8); // the tower
    for (int y = 130; y < 250; y += 40)
        c.fill({560, y, 40, 16}, 0xFFB8322E);
    c.fill({552, 90, 56, 22}, 0xFF2A2A2A); // the lantern room
    FillCircle(c, 580, 100, 8, 0xFFFFF2A0);
    return c;
}

// Abel close by on the pier at dusk: the old keeper with his white beard, cap and pipe.
Canvas paintAbel() {
    Canvas c(W, H);
    VerticalGradient(c, {0, 0, W, 260}, 0xFF22305E, 0xFFE39A70);
    VerticalGradient(c, {0, 240, W, 240}, 0xFF2C5D7C, 0xFF0E2433);
    for (int y = 250; y < H; y += 14)
        c.fill({(y * 41) % 300, y, 160, 2}, 0xFF5F8FA8);
    c.fill({0, 330, W, 150}, 0xFF5A3B22); // the pier's planks
    for (int y = 345; y < H; y += 22)
        c.fill({0, y, W, 2}, 0xFF3E2816);
    c.fill({250, 190, 140, 170}, 0xFF2C3E5A); // his coat
    c.fill({236, 300, 168, 60}, 0xFF243450);
    FillCircle(c, 320, 140, 52, 0xFFE0B890); // his face
    FillCircle(c, 320, 178, 40, 0xFFF0F0EC); // his beard
    c.fill({262, 82, 116, 30}, 0xFF3A2A1A);  // his cap
    c.fill({250, 106, 140, 10}, 0xFF2A1C10);
    FillCircle(c, 302, 136, 5, 0xFF202020);
    FillCircle(c, 338, 136, 5, 0xFF202020);
    c.fill({350, 170, 46, 6}, 0xFF4B321E); // his pipe
    c.fill({390, 156, 12, 20}, 0xFF4B321E);
    return c;
}

// The intro, picture i of n: night over the cove fading in, the lighthouse's beam sweeping
// across the sky and the sea.
void paintIntro(int i, int n, Canvas& c) {
    VerticalGradient(c, {0, 0, W, 300}, 0xFF050A1E, 0xFF1B2A55);
    VerticalGradient(c, {0, 300, W, 180}, 0xFF0E2433, 0xFF050C14);
    for (int s = 0; s < 60; ++s)
        c.setPixel((s * 131) % W, (s * 71) % 260, (s + i / 6) % 7 ? 0xFFD8E0F0 : 0xFF606878);
    c.fill({420, 280, 220, 40}, 0xFF15151A); // the rock
    c.fill({500, 140, 36, 150}, 0xFF2A2A30); // the tower
    c.fill({494, 122, 48, 20}, 0xFF101012);
    const double lampX = 518, lampY = 130;
    // The beam turns once over the clip; it is brightest near the lamp.
    const double angle = std::numbers::pi * (1.0 - 2.0 * i / n);
    for (int y = 0; y < 300; ++y) {
        Pixel* row = c.row(y);
        for (int x = 0; x < W; ++x) {
            const double dx = x - lampX, dy = y - lampY;
            double d = std::atan2(dy, dx) - angle;
            d = std::remainder(d, 2 * std::numbers::pi);
            if (std::abs(d) > 0.09) continue;
            const double fall = std::max(0.0, 1.0 - std::hypot(dx, dy) / 700.0);
            const int add = static_cast<int>(150 * fall * (1.0 - std::abs(d) / 0.09));
            const auto channel = [&](int shift) {
                return static_cast<Pixel>(std::min(255, int((row[x] >> shift) & 0xFF) + add)) << shift;
            };
            row[x] = 0xFF000000u | channel(16) | channel(8) | channel(0);
        }
    }
    FillCircle(c, int(lampX), int(lampY), 7, 0xFFFFF2A0);
    // The first second fades in from black.
    const int fade = std::min(255, i * 255 / 25);
    for (int y = 0; y < H; ++y) {
        Pixel* row = c.row(y);
        for (int x = 0; x < W; ++x) {
            const Pixel p = row[x];
            row[x] = 0xFF000000u | ((p >> 16 & 0xFF) * fade / 255) << 16 |
                     ((p >> 8 & 0xFF) * fade / 255) << 8 | (p & 0xFF) * fade / 255;
        }
    }
}

// The cottage's hearth, picture i: flames that flicker and rise.
void paintFire(int i, Canvas& c) {
    c.fill({0, 0, c.width(), c.height()}, 0xFF1A0E08);
    for (int f = 0; f < 14; ++f) {
        const int seed = (f * 7919 + i * 104729) % 1000;
        const int x = 10 + (f * 37 + seed % 9) % (c.width() - 20);
        const int y = c.height() - 12 - (seed % 30);
        const int r = 5 + seed % 7;
        FillCircle(c, x, y, r + 3, 0xFFC8401A);
        FillCircle(c, x, y + 2, r, seed % 2 ? 0xFFF0A030 : 0xFFFFD060);
    }
    c.fill({0, c.height() - 8, c.width(), 8}, 0xFF3A2416); // the logs
}

// A gull in flight, picture i of six: the wings beat up and down. Transparent around it.
Canvas paintGull(int i) {
    Canvas c(48, 24, 0);
    const int lift = static_cast<int>(std::lround(8 * std::sin(i * std::numbers::pi / 3)));
    for (int x = 0; x < 20; ++x) {
        const int y = 12 - lift * (20 - x) / 20;
        c.fill({4 + x, y, 1, 2}, 0xFFF4F4F0);
        c.fill({43 - x, y, 1, 2}, 0xFFF4F4F0);
    }
    FillCircle(c, 24, 13, 3, 0xFFFFFFFF);
    c.setPixel(27, 12, 0xFFE0A020);
    return c;
}

// The water settings of a frame: the rectangle and the wave.
std::string waterSettings(int left, int top, int width, int height, int wave, int speed) {
    run::RecordWriter w;
    for (int i = 0; i < 6; ++i)
        w.writeField("");
    for (int v : {left, top, width, height, wave, speed})
        w.writeField(static_cast<std::int16_t>(v));
    return w.bytes();
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
    c.fill({236, 344, 148, 96}, 0xFF6E6A64); // the hearth's stones, the fire plays inside
    c.fill({230, 336, 160, 10}, 0xFF57534E);
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
    } else if (kind == "matches") {
        c.fill({6, 10, 20, 14}, 0xFFD8C8A0);
        c.frame({6, 10, 20, 14}, 0xFF6A5030);
        for (int x = 9; x < 24; x += 4) {
            c.fill({x, 4, 2, 8}, 0xFFE8D8B0);
            c.fill({x, 3, 2, 3}, 0xFFC03020);
        }
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
        info.InitialFrame = "Intro";
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
                     "logged_visits", "gusts", "gust_event", "gauge_gusts", "abel_met"},
                    {"visitor_name"});
        // The procedures, scrambled with the game's key as a compiled game stores them.
        b.procedures(
            "' Gull Cove's procedures\r\n"
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
            "End Sub\r\n"
            "\r\n"
            "' The lantern room's gust gauge: the sample Counter component, installed with the\r\n"
            "' player, shown on the wall; its event tells the game each gust it counts.\r\n"
            "Sub ShowGauge()\r\n"
            "    If Not DoesComponentExist(\"gauge\") Then\r\n"
            "        AddComponent \"Counter.Sample\", \"gauge\"\r\n"
            "        Component(\"gauge\").Left = 500 * 15\r\n"
            "        Component(\"gauge\").Top = 120 * 15\r\n"
            "    End If\r\n"
            "    Component(\"gauge\").Visible = True\r\n"
            "End Sub\r\n"
            "\r\n"
            "Sub HideGauge()\r\n"
            "    If DoesComponentExist(\"gauge\") Then Component(\"gauge\").Visible = False\r\n"
            "End Sub\r\n"
            "\r\n"
            "Sub gauge_Changed(params)\r\n"
            "    gauge_gusts = params(0)\r\n"
            "End Sub\r\n"
            "\r\n"
            "' Abel's voice: the spoken-dialogue control installed with the player. The sea\r\n"
            "' plays on its first audio track; the space bar skips a line.\r\n"
            "Sub StartVoice()\r\n"
            "    If Not DoesComponentExist(\"voice\") Then\r\n"
            "        AddComponent \"Voxline.MainControl\", \"voice\"\r\n"
            "        Set v = Component(\"voice\")\r\n"
            "        v.AudioFilePath = \"Voice\\\"\r\n"
            "        v.Skipping = 1\r\n"
            "        v.Audio1File = \"ambient.wav\"\r\n"
            "        v.Audio1Loop = 1\r\n"
            "        v.Audio1Volume = 4\r\n"
            "    End If\r\n"
            "    Component(\"voice\").PlayAudio1\r\n"
            "End Sub\r\n"
            "\r\n"
            "Sub StopVoice()\r\n"
            "    If DoesComponentExist(\"voice\") Then RemoveComponent \"voice\"\r\n"
            "End Sub\r\n"
            "\r\n"
            "' Line n: the player's question (after `pause` seconds), then Abel's answer at once;\r\n"
            "' what the player says shows while the line is spoken.\r\n"
            "Sub Speak(n, said, pause)\r\n"
            "    Set v = Component(\"voice\")\r\n"
            "    v.QuestionFile = \"q\" & n & \".wav\"\r\n"
            "    v.AnswerFile = \"a\" & n & \".wav\"\r\n"
            "    v.QuestionDelay = pause\r\n"
            "    v.QuestionAndAnswer = 1\r\n"
            "    v.PlayQuestion\r\n"
            "    Text(2).Caption = \"You: \" & said\r\n"
            "    Text(2).Visible = True\r\n"
            "End Sub\r\n"
            "\r\n"
            "Sub voice_RemoveCanvasObject(params)\r\n"
            "    Text(2).Visible = False\r\n"
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
        b.file("Areas/matches.ico", MakeIconBytes(icon("matches")));
        for (const char* kind : {"bottle", "wick", "fuel", "key"}) {
            b.file(std::string("Areas/") + kind + ".ico", MakeIconBytes(icon(kind)));
            b.file(std::string("Areas/") + kind + "_big.ico", bigIcon(kind));
        }
        b.item("oil bottle", "bottle.ico")
            .item("wick", "wick.ico")
            .item("lamp fuel", "fuel.ico")
            .item("key", "key.ico")
            .item("matches", "matches.ico");
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

        // Intro: a short video of the cove at night before the first frame, then the harbour.
        VideoSpec intro;
        intro.width = W;
        intro.height = H;
        intro.pictures = 75;
        intro.toneHz = 110;
        intro.toneLevel = 0.15;
        intro.bitRate = 1'200'000;
        save(WriteVideo((root / "Frames" / "intro.mpg").string(), intro,
                        [&](int i, Canvas& c) { paintIntro(i, intro.pictures, c); }));
        run::FrameFile introFrame;
        introFrame.PictureType = 0;
        introFrame.Picture = "0";
        introFrame.VideoFile = "intro.mpg";
        introFrame.VideoBeforeFrame = true;
        introFrame.VideoAtOrigin = true;
        introFrame.TimerEnabled = true;
        introFrame.TimerSeconds = "0.1";
        introFrame.TimerTarget = "Harbour";
        b.frame("Intro", introFrame);

        // Harbour: the lighthouse, the boat, the path to the beach, the cottage door, a gull over
        // the water, and the water of the harbour rippling.
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
        harbour.EntryScript = "StopVoice : CountVisit : TimerObject(0).Enabled = False : "
                              "logged_visits = ConvertToNumber(LoadParameter(|cottage_visit|, 0)) : "
                              "Text(5).Visible = False : CreateTimedEvent 4, |Text(5).Visible = True|, False";
        b.frame("Harbour", harbour);
        std::vector<GifPicture> gull;
        for (int i = 0; i < 6; ++i)
            gull.push_back({paintGull(i), 0, 0, 12, 1});
        b.file("Areas/gull.gif", MakeGifBytes(48, 24, gull));
        HotspotSpec gullSpot = picture(200, 130, "gull.gif");
        gullSpot.animated = true;
        gullSpot.withAnimationSpeed = true;
        gullSpot.animationSpeed = 110;
        b.hotspots("Harbour", {rect(540, 80, 80, 190), picture(150, 250, "boat.ico"), rect(0, 420, 120, 60),
                               rect(330, 330, 110, 50), gullSpot, rect(70, 312, 34, 50)});
        ActionSpec boat = say("An old rowing boat. Its oars are long gone.");
        boat.frameSound = "creak.wav";
        b.actions("Harbour",
                  {goWith("Lighthouse", 1, 1000), boat, goWith("Beach", 2, 700), goWith("Cottage", 5, 700),
                   say("A gull wheels over the harbour, crying."), goWith("Abel", 1, 600)});
        // The open water right of the pier ripples, below the way to the cottage: the water lies
        // over the frame, so hotspots and texts under it could not be reached or read. The
        // mask keeps a still band along its top edge, where the waves fade into calm water.
        b.file("Frames/Harbour.rwe", waterSettings(300, 392, 340, 88, 16, 8));
        Canvas waterMask(340, 88, 0xFF000000);
        for (int x = 0; x < 340; x += 2)
            waterMask.setPixel(x, 0, 0xFFFFFFFF);
        save(run::platform::SaveBmp(waterMask, (root / "Frames" / "Harbour.rwm").string()));
        b.texts("Harbour", {TextSpec{1, "Gull Cove", 24 * T, 20 * T, true, false, "Times New Roman", 24,
                                     false, false, 0x7AD2FF},
                            caption("The lantern has been dark for seven nights.", 24, 60),
                            caption("to the beach", 8, 450, 9), caption("cottage", 350, 340, 9),
                            caption("A gull cries over the water.", 24, 90, 11, false, 0xE0E0E0)});

        // Abel: the old keeper on the pier, and a conversation. His questions show and hide each
        // other; one gives the matches, one answers in its own time, and the goodbye ends it.
        save(run::platform::SaveJpg(paintAbel(), (root / "Frames" / "abel.jpg").string(), 88));
        run::FrameFile abel;
        abel.PictureType = 1;
        abel.Picture = "abel.jpg";
        abel.RunEntryScript = true;
        abel.EntryScript = "Text(2).Visible = False : StartVoice";
        b.frame("Abel", abel);
        b.file("Voice/ambient.wav", demo::Waves());
        b.hotspots("Abel", {rect(0, 0, 640, 40)});
        ActionSpec leave;
        leave.goBack = true;
        b.actions("Abel", {leave});
        b.texts("Abel", {caption("back to the harbour", 260, 12, 10, true),
                         caption("[EMPTY]", 24, 52, 13, true, 0xC0F0FF)});
        auto question = [](std::int16_t key, const char* text, const char* answer, bool visible) {
            run::DialogueQuestion q;
            q.key = key;
            q.question = text;
            q.answer = answer;
            q.visibleAtStart = visible;
            q.hideList = {key};
            return q;
        };
        // Each question is spoken (its script 1) with the answer following at once; the gulls'
        // question comes after a pause of a second. The voices are tools/make-voices.sh's.
        auto speak = [](int n, const char* said, int pause = 0) {
            return "Speak " + std::to_string(n) + ", \"" + said + "\", " + std::to_string(pause);
        };
        run::DialogueQuestion who =
            question(1, "Who are you?", "Abel. I kept the light for forty years, before my eyes went.", true);
        who.script1 = "abel_met = 1 : " + speak(1, "Who are you?");
        who.showList = {2, 4};
        run::DialogueQuestion what =
            question(2, "What happened to the lantern?",
                     "Seven nights dark. The new keeper took ill, and the lamp ran dry.", false);
        what.showList = {3};
        what.script1 = speak(2, "What happened to the lantern?");
        run::DialogueQuestion how = question(3, "How do I light it again?",
                                             "Oil from the beach and a wick from the cottage make fuel. "
                                             "Here, take my matches.",
                                             false);
        how.script1 = "AddItem \"matches\", False : " + speak(3, "How do I light it again?");
        run::DialogueQuestion gulls =
            question(4, "Tell me about the gulls.", "Hear them? They cry before a storm.", false);
        gulls.timedAnswer = true;
        gulls.script1 = speak(4, "Tell me about the gulls.", 1);
        gulls.answerSeconds = 3;
        run::DialogueQuestion key = question(5, "Where is the key to the tower?",
                                             "On its hook in the cottage, where it always hangs.", true);
        key.script1 = speak(5, "Where is the key to the tower?");
        run::DialogueQuestion bye = question(6, "Goodbye, Abel.", "Mind the tide.", true);
        bye.hideList.clear();
        bye.quitAfter = true;
        bye.script1 = speak(6, "Goodbye, Abel.");
        bye.script3 = "GoToFrame \"Harbour\", 0.6, 1";
        b.dialogue("Abel", {who, what, how, gulls, key, bye});

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
        // The hearth: a looping video of its fire.
        VideoSpec fire;
        fire.width = 96;
        fire.height = 64;
        fire.pictures = 20;
        fire.bitRate = 400'000;
        save(WriteVideo((root / "Frames" / "fire.mpg").string(), fire,
                        [](int i, Canvas& c) { paintFire(i, c); }));
        HotspotSpec hearth = rect(250, 360, 120, 80);
        hearth.withVideo = hearth.isVideo = true;
        hearth.videoFile = "fire.mpg";
        hearth.videoFitsHotspot = true;
        hearth.videoPlayCount = 0;
        b.hotspots("Cottage", {picture(420, 200, "wick_big.ico"), picture(560, 120, "key_big.ico"),
                               rect(0, 440, 640, 40), hearth});
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
        b.actions("Cottage", {takeWick, takeKey, leaveCottage, say("The fire crackles in the hearth.")});
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
        // A gauge on the wall, the sample component installed with the player, counts them.
        lantern.EntryScript =
            "gusts = 0 : Text(3).Visible = False : ShowGauge : gust_event = CreateTimedEvent(2, "
            "|gusts = gusts + 1 : Text(3).Visible = Not Text(3).Visible : "
            "Component(||gauge||).Increment : "
            "If gusts >= 3 Then RemoveTimedEvent gust_event|, True)";
        b.frame("LanternRoom", lantern);
        b.hotspots("LanternRoom", {picture(272, 200, "lamp.ico"), rect(0, 440, 640, 40)});
        ActionSpec down = back;
        down.script = "HideGauge";
        b.actions("LanternRoom", {say("The great lamp is cold and dry."), down});
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
        ending.RunEntryScript = true;
        ending.EntryScript = "HideGauge";
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
