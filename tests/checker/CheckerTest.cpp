// The project checker: the demo is clean; a damaged copy of it gives each planted fault exactly
// once, in its file and place; folders that are no game say so; and no input makes it fail,
// the fuzz corpora written as every kind of a frame's files included.
#include "run/checker/ProjectChecker.h"
#include "run/platform/files/TextCodec.h"
#include "tests/support/ProjectBuilder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace run::checker {
namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

// Replaces the first `from` in a file of the game.
void Plant(const fs::path& file, const std::string& from, const std::string& to) {
    std::string bytes = Read(file);
    const std::size_t at = bytes.find(from);
    ASSERT_NE(at, std::string::npos) << file << " has no " << from;
    bytes.replace(at, from.size(), to);
    Write(file, bytes);
}

std::vector<std::string> Lines(const CheckOutcome& o) {
    std::vector<std::string> out;
    for (const Finding& f : o.findings)
        out.push_back(FindingLine(f));
    return out;
}

int CountWith(const std::vector<std::string>& lines, const std::string& part) {
    return static_cast<int>(std::count_if(
        lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; }));
}

TEST(Checker, TheDemoIsClean) {
    std::ostringstream out;
    const CheckOutcome o = CheckProject(DEMO_FOLDER, out, {});
    EXPECT_EQ(o.status, 0) << out.str();
    EXPECT_EQ(o.frames, 8u);
    EXPECT_GE(o.filesChecked, 25u) << "pictures, sounds, videos and icons, each decoded";
    EXPECT_NE(out.str().find(" frames, "), std::string::npos) << "the summary line";
}

TEST(Checker, EachPlantedFaultIsFoundOnceInItsPlace) {
    testing::TempFolder tmp;
    const fs::path game = tmp / "game";
    fs::copy(DEMO_FOLDER, game, fs::copy_options::recursive);
    fs::remove(game / "Frames" / "cottage.jpg");
    Write(game / "Areas" / "jingle.wav", "RIFF this is no sound at all");
    Plant(game / "FramesData" / "Lighthouse.fm3", "LanternRoom", "LanternRom");
    Plant(game / "Frames" / "Harbour.fme", "CountVisit : ", "CountVisit ( : ");
    Plant(game / "FramesData" / "Lighthouse.fm2", "door_open", "door_opened");
    Write(game / "Frames" / "Beach.lks", "not a number\r\n");
    Plant(game / "FramesData" / "Cottage.fm3", "visited_cottage = 1", "visited_cottage = vistis");
    Plant(game / "Frames" / "Cottage.chn", "clock.wav", "clocks.wav");
    Plant(game / "FramesData" / "Beach.fm1", "tide", "tid\xC3\xA9");
    // A scheme with a picture that is not there.
    Plant(game / "Config" / "General", "1\r\n\r\n\r\n\r\n\"\"\r\n", "1\r\n\r\n\r\n\r\n\"Sea\"\r\n");
    fs::create_directories(game / "Schemes" / "Sea");
    Write(game / "Schemes" / "Sea" / "Scheme.txt",
          "\"\"\r\n\"\"\r\n\"\"\r\n2\r\n\"start.png\"\r\n\"[none]\"\r\n0\r\n");
    // On two CDs: the surf lies on the first (not checked); an entry names a third.
    Write(game / "RunFromCD.dat", "");
    Write(
        game / "Config" / "CDContents",
        "\"\"\r\n\"\"\r\n\"\"\r\n2\r\n\"\"\r\n\"\"\r\n\"surf.wav\"\r\n1\r\n2\r\n\"lost.wav\"\r\n3\r\n2\r\n");
    fs::remove(game / "Areas" / "surf.wav");

    std::ostringstream out;
    const CheckOutcome o = CheckProject(game, out, {});
    const auto lines = Lines(o);
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(
        CountWith(lines, "Frames/Cottage.fme: picture: error: the file Frames/cottage.jpg is not found"), 1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "Areas/jingle.wav: error: the file does not decode as a sound"), 1)
        << out.str();
    EXPECT_EQ(
        CountWith(lines,
                  "FramesData/Lighthouse.fm3: hotspot 2: error: the frame \"LanternRom\" does not exist"),
        1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "Frames/LanternRoom.fme: warning: no way leads to this frame"), 1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "Frames/Ending.fme: warning: no way leads to this frame"), 1) << out.str();
    EXPECT_EQ(CountWith(lines, "Frames/Harbour.fme: entry script, line 1, column"), 1) << out.str();
    EXPECT_EQ(CountWith(lines, "\"door_opened\" is not in Config/Variables"), 1) << out.str();
    EXPECT_EQ(CountWith(lines, "Frames/Beach.lks: line 1: error: the record does not read"), 1) << out.str();
    EXPECT_EQ(CountWith(lines, "FramesData/Cottage.fm3: hotspot 3 script, line 1, column 19: warning: the "
                               "name \"vistis\" is no variable"),
              1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "Frames/Cottage.chn: sound channel 3: error: the file Areas/clocks.wav"), 1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "FramesData/Beach.fm1: line 32: warning: the text is saved as UTF-8"), 1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "Schemes/Sea/Scheme.txt: picture 0: error: the file Schemes/Sea/start.png"), 1)
        << out.str();
    EXPECT_EQ(CountWith(lines, "Config/CDContents: entry 2: warning: the entry for lost.wav is on CD 3"), 1)
        << out.str();
    EXPECT_EQ(o.filesOnCds, 1u);
    EXPECT_NE(out.str().find("(1 more only on the game's CDs)"), std::string::npos);
    EXPECT_EQ(lines.size(), 13u) << out.str();

    std::ostringstream written;
    CheckProject(game, written, {true});
    const std::string json = written.str();
    EXPECT_EQ(json.front(), '[');
    EXPECT_EQ(std::count(json.begin(), json.end(), '{'), 13) << json;
    EXPECT_NE(json.find("\"severity\": \"warning\""), std::string::npos);
}

// The map: valid SVG with every frame, its thumbnail inside the file, the start marked, and a
// link to a frame that does not exist drawn to a "missing" box.
TEST(Checker, TheMapDrawsEveryFrameAndEveryWay) {
    testing::TempFolder tmp;
    const fs::path game = tmp / "game";
    fs::copy(DEMO_FOLDER, game, fs::copy_options::recursive);
    Plant(game / "FramesData" / "Lighthouse.fm3", "LanternRoom", "LanternRom");
    std::ostringstream out;
    const CheckOutcome o = CheckProject(game, out, {false, tmp / "map.svg"});
    EXPECT_EQ(o.problem, "");
    const std::string svg = Read(tmp / "map.svg");
    ASSERT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_EQ(svg.substr(svg.find_last_not_of("\n") - 5, 6), "</svg>");
    for (const char* frame : {"Harbour", "Abel", "Beach", "Cottage", "Lighthouse", "LanternRoom", "Ending"})
        EXPECT_NE(svg.find(std::string(">") + frame + "</text>"), std::string::npos) << frame;
    EXPECT_NE(svg.find(">Intro (start)</text>"), std::string::npos);
    EXPECT_NE(svg.find(">hotspot 6</text>"), std::string::npos) << "Harbour to Abel";
    EXPECT_NE(svg.find(">missing: LanternRom</text>"), std::string::npos);
    int pictures = 0;
    for (std::size_t at = svg.find("data:image/png;base64,"); at != std::string::npos;
         at = svg.find("data:image/png;base64,", at + 1))
        ++pictures;
    EXPECT_EQ(pictures, 6) << "every frame with a picture, and no file beside the map";
    EXPECT_EQ(svg.find("xlink:href=\"/"), std::string::npos);
}

TEST(Checker, FoldersThatAreNoGameSaySo) {
    testing::TempFolder tmp;
    std::ostringstream out;
    EXPECT_EQ(CheckProject(tmp / "nowhere", out, {}).status, 2);
    Write(tmp / "a-file", "x");
    EXPECT_EQ(CheckProject(tmp / "a-file", out, {}).status, 2);
    fs::create_directories(tmp / "empty");
    const CheckOutcome empty = CheckProject(tmp / "empty", out, {});
    EXPECT_EQ(empty.status, 2);
    EXPECT_NE(empty.problem.find("Config/General"), std::string::npos);
}

TEST(Checker, NoInputMakesItFail) {
    testing::TempFolder tmp;
    const fs::path game = tmp / "game";
    fs::copy(DEMO_FOLDER, game, fs::copy_options::recursive);
    // A link loop and a link out of the game's folder are not followed.
    fs::create_symlink(game, game / "Frames" / "loop");
    fs::create_symlink("/etc/passwd", game / "Areas" / "passwd.wav");
    Plant(game / "FramesData" / "Harbour.fm3", "creak.wav", "../Areas/passwd.wav");
    // A 2 GB picture (sparse) is not decoded; a frame whose name is Windows-1252 bytes still
    // gives well-formed JSON.
    fs::resize_file(game / "Frames" / "harbour.jpg", 2ull << 30);
    fs::copy_file(game / "Frames" / "Ending.fme", game / "Frames" / "Gr\xFCn.fme");
    {
        std::ostringstream out;
        const CheckOutcome o = CheckProject(game, out, {true});
        const std::string json = out.str();
        EXPECT_NE(json.find("\"Frames/harbour.jpg\", \"place\": \"\", \"severity\": \"warning\", "
                            "\"message\": \"the file is too large to check (2048 MB)\""),
                  std::string::npos)
            << json;
        EXPECT_NE(json.find("Frames/Gr\u00FCn.fme"), std::string::npos) << json;
        EXPECT_EQ(platform::RepairUtf8(json), json) << "well-formed UTF-8";
        EXPECT_EQ(o.status, 1);
    }
    std::vector<fs::path> inputs;
    for (const char* corpus :
         {"frames/corpus", "project/corpus/record", "frames/dialogue-corpus", "frames/plugin-corpus"})
        for (const auto& e : fs::directory_iterator(fs::path(FUZZ_FOLDER) / corpus))
            inputs.push_back(e.path());
    ASSERT_GE(inputs.size(), 10u);
    const char* kinds[] = {"Frames/Beach.fme",     "Frames/Beach.lks",     "FramesData/Beach.fm2",
                           "FramesData/Beach.fm3", "FramesData/Beach.fm0", "FramesData/Beach.fm4",
                           "FramesData/Beach.dlg", "Frames/Beach.rwe",     "Config/Variables",
                           "Areas/key.obj",        "Config/Resume"};
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.string());
        const std::string bytes = Read(input);
        for (const char* kind : kinds)
            Write(game / kind, bytes);
        std::ostringstream out;
        const CheckOutcome o = CheckProject(game, out, {});
        EXPECT_NE(o.status, 2);
    }
}

} // namespace
} // namespace run::checker
