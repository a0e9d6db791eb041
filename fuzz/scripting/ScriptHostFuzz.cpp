// Runs the input as a game script through the player's script host, on a small game with
// variables, procedures, hotspots and texts: object creation allowed (the file policy keeps the
// file objects inside the game), a short time-out, boxes answered at once. One player serves
// many runs; a script that ends the game brings a fresh one.
#include "run/driver/HeadlessDriver.h"
#include "run/game/GamePlay.h"
#include "tests/support/ProjectBuilder.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace {

using namespace run;

struct FuzzGame {
    testing::TempFolder tmp;
    testing::ProjectBuilder project{tmp / "game"};
    std::unique_ptr<HeadlessDriver> driver;
    int runs = 0;

    FuzzGame() {
        ProjectInfo info;
        info.ProjectRegistryName = "HostFuzz";
        info.InitialFrame = "Start";
        info.FrameWidth = 320;
        info.FrameHeight = 200;
        info.SkipWelcomeWindow = true;
        project.general(info).texts(1).variables({"a", "b"}, {"c", "d"});
        project.more("AllowCreateObject", "1");
        project.procedures("Sub Twice(x)\r\n    a = a + x * 2\r\nEnd Sub\r\nFunction Name()\r\n    Name = "
                           "\"fuzz\"\r\nEnd Function");
        FrameFile start;
        start.Picture = "0";
        project.frame("Start", start).frame("Other", start);
        testing::HotspotSpec spot;
        project.hotspots("Start", {spot, spot});
        testing::TextSpec text;
        text.caption = "words";
        project.texts("Start", {text, text});
        restart();
    }

    void restart() {
        driver.reset();
        driver = std::make_unique<HeadlessDriver>(
            PlayerOptions{project.folder().string(), tmp / "settings.ini", tmp / "Documents", {}});
        driver->start();
        driver->player().scripts().setTimeoutMs(200);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzGame game;
    Player* player = &game.driver->player();
    if (++game.runs % 512 == 0 || !player->game().loaded() || player->flags().Quitting) {
        game.restart();
        player = &game.driver->player();
    }
    std::string script(reinterpret_cast<const char*>(data), size);
    player->play().ExecuteVBScriptAndConsequences(script, false);
    player->ui().pump();
    return 0;
}
