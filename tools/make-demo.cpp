// Writes the bundled demo game into a folder: `make-demo examples/demo`. Every file of the demo
// is made here, so the repository holds no third-party game content.
#include "tests/support/ProjectBuilder.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make-demo FOLDER\n";
        return 2;
    }
    try {
        run::ProjectInfo info;
        info.ProjectRegistryName = "LanternCoveDemo";
        info.AdventureName = "The Lantern of Gull Cove";
        info.InitialFrame = "Harbour";
        info.VersionText = "Demo edition 0.1";
        info.FrameWidth = 640;
        info.FrameHeight = 480;
        info.Author = "The Adventure Player team";
        info.Email = "demo@adventure-player.example";
        info.Homepage = "https://adventure-player.example/demo";
        info.OfferResolutionChange = 1;
        info.ProjectResolution = 0;
        run::testing::ProjectBuilder(argv[1]).general(info).texts(1).more("ScriptTimeOut", "0");
    } catch (const std::exception& e) {
        std::cerr << "make-demo: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
