// Opens a frame whose files come from the input: the bytes up to the first 0x1E are the frame
// file (.fme), up to the second the hotspot list (.fm2), up to the third the text list (.fm1),
// up to the fourth the hotspot actions (.fm3), whose first block is then carried out as a click
// on hotspot 1, and the rest the frame's water settings (.rwe; none when empty). One player and
// one project serve every run; boxes take their default answer.
#include "run/driver/HeadlessDriver.h"
#include "run/game/GamePlay.h"
#include "run/platform/graphics/Picture.h"
#include "tests/support/MediaMaker.h"
#include "tests/support/ProjectBuilder.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace run;

struct FuzzGame {
    testing::TempFolder tmp;
    testing::ProjectBuilder project{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;

    FuzzGame() {
        ProjectInfo info;
        info.ProjectRegistryName = "FrameFuzz";
        info.InitialFrame = "Start";
        info.FrameWidth = 320;
        info.FrameHeight = 200;
        info.SkipWelcomeWindow = true;
        project.general(info).texts(1).variables({"a", "b"}, {"c"});
        FrameFile start;
        start.Picture = "0";
        project.frame("Start", start);
        // Pictures and a pointer under short names the inputs can name.
        platform::Canvas c(16, 12, 0xFF336699);
        platform::SaveBmp(c, (project.folder() / "Frames" / "a.bmp").string());
        platform::SaveBmp(c, (project.folder() / "Areas" / "a.bmp").string());
        platform::SaveBmp(c, (project.folder() / "Frames" / "F.rwm").string()); // the water's mask
        project.file("Icons/a.cur", testing::MakeCursorBytes(testing::ArrowPointer(0xFFFFFFFF), 1, 1));
        project.file("Frames/F.lks", "1\r\n");
        restart();
    }

    // A fresh player now and then: its font cache keeps every size the inputs ask for, and the
    // backend every box it answered.
    void restart() {
        driver.reset();
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{project.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
        driver->start();
    }
    int runs = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzGame game;
    if (++game.runs % 256 == 0 || !game.driver->player().game().loaded()) game.restart();
    std::string input(reinterpret_cast<const char*>(data), size);
    std::string parts[5];
    std::size_t from = 0;
    for (int k = 0; k < 5; ++k) {
        std::size_t to = k < 4 ? input.find('\x1E', from) : std::string::npos;
        if (to == std::string::npos) to = input.size();
        parts[k] = input.substr(std::min(from, input.size()), to - std::min(from, input.size()));
        from = to + 1;
    }
    // Plain writes: the builder's atomic, synced ones would cost more than the opening itself.
    const std::filesystem::path& root = game.project.folder();
    std::ofstream(root / "Frames" / "F.fme", std::ios::binary | std::ios::trunc) << parts[0];
    std::ofstream(root / "FramesData" / "F.fm2", std::ios::binary | std::ios::trunc) << parts[1];
    std::ofstream(root / "FramesData" / "F.fm1", std::ios::binary | std::ios::trunc) << parts[2];
    std::ofstream(root / "FramesData" / "F.fm3", std::ios::binary | std::ios::trunc) << parts[3];
    // The water's settings, when the input has a fifth part (a picture frame then ripples).
    std::error_code ec;
    if (parts[4].empty())
        std::filesystem::remove(root / "Frames" / "F.rwe", ec);
    else
        std::ofstream(root / "Frames" / "F.rwe", std::ios::binary | std::ios::trunc) << parts[4];
    Player& player = game.driver->player();
    if (!player.game().loaded()) return 0;
    player.game().OpenFrame("F", false, 0, 0);
    player.ui().pump();
    if (!parts[3].empty() && player.game().loaded() && !player.flags().Quitting) {
        player.play().MakeActionAndConsequences(1, 0, false);
        player.ui().pump();
    }
    return 0;
}
