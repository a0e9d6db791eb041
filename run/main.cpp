// The player program: `run [--headless] [--play STEPS.txt] [PROJECT_DIR]`, and the game checker
// `run --check [--json] PROJECT_DIR`.
#include "run/checker/ProjectChecker.h"
#include "run/core/GameFolderChooser.h"
#include "run/core/Player.h"
#include "run/driver/HeadlessDriver.h"
#include "run/driver/PlayScript.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/WindowSystem.h"
#ifdef PLAYER_WITH_SDL2
#include "run/platform/sdl/SdlBackend.h"
#endif

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

void usage(std::ostream& out) {
    out << "usage: run [--headless] [--play STEPS.txt] [PROJECT_DIR]\n"
           "       run --check [--json] [--map FILE.svg] PROJECT_DIR\n"
           "  PROJECT_DIR        the game's folder (default: the folder of this program when it\n"
           "                     holds a game, else a window to choose one)\n"
           "  --headless         run without a window (also: RUN_HEADLESS=1)\n"
           "  --play STEPS.txt   carry out a play script headless (implies --headless)\n"
           "  --check            check the game without playing it: every finding on a line, then a\n"
           "                     summary; exit status 0 clean, 1 findings, 2 not a game\n"
           "  --json             with --check: the findings as one JSON array\n"
           "  --map FILE.svg     with --check: draw the game's frames and the ways between them\n"
           "  --version          print the version and exit\n";
}

std::string programFolder(const char* argv0) {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    return self.parent_path().string();
}

} // namespace

int main(int argc, char** argv) {
    bool headless = false, check = false, json = false;
    std::string playFile, project, mapFile;
    if (const char* env = std::getenv("RUN_HEADLESS"); env && *env && std::strcmp(env, "0") != 0)
        headless = true;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--headless") {
            headless = true;
        } else if (a == "--play") {
            if (i + 1 >= argc) {
                usage(std::cerr);
                return 2;
            }
            playFile = argv[++i];
            headless = true;
        } else if (a == "--check") {
            check = true;
        } else if (a == "--json") {
            json = true;
        } else if (a == "--map") {
            if (i + 1 >= argc) {
                usage(std::cerr);
                return 2;
            }
            mapFile = argv[++i];
        } else if (a == "--help" || a == "-h") {
            usage(std::cout);
            return 0;
        } else if (a == "--version") {
            std::cout << "run (Adventure Player) " << PLAYER_VERSION << "\n";
            return 0;
        } else if (!a.empty() && a[0] == '-') {
            std::cerr << "run: unknown option " << a << "\n";
            usage(std::cerr);
            return 2;
        } else if (project.empty()) {
            project = a;
        } else {
            usage(std::cerr);
            return 2;
        }
    }
    if ((json || !mapFile.empty()) && !check) {
        std::cerr << "run: --json and --map go with --check\n";
        usage(std::cerr);
        return 2;
    }
    if (check) {
        if (project.empty()) {
            std::cerr << "run: --check needs the game's folder\n";
            return 2;
        }
        const run::checker::CheckOutcome outcome =
            run::checker::CheckProject(project, std::cout, {json, mapFile});
        if (!outcome.problem.empty()) std::cerr << "run: " << outcome.problem << "\n";
        return outcome.status;
    }
    // The player beside a game plays it; elsewhere, without a folder, the player asks for one.
    bool chooseGame = false;
    if (project.empty()) {
        project = programFolder(argv[0]);
        chooseGame = !run::IsGameFolder(project);
    }
    if (chooseGame && headless) {
        std::cerr << "run: no game folder given, and none beside the program: run [--headless] PROJECT_DIR\n";
        return 2;
    }
    if (!chooseGame && !std::filesystem::is_directory(project)) {
        std::cerr << "run: " << project << " is not a folder\n";
        return 2;
    }

    // The components installed with the player lie beside it.
    const std::filesystem::path installed = std::filesystem::path(programFolder(argv[0])) / "components";
    if (headless) {
        run::HeadlessDriver driver({project, {}, {}, installed});
        driver.start();
        if (playFile.empty()) {
            for (const auto& line : driver.state())
                std::cout << line << "\n";
            return 0;
        }
        std::ifstream steps(playFile);
        if (!steps) {
            std::cerr << "run: cannot read " << playFile << "\n";
            return 2;
        }
        return run::RunPlayScript(driver, steps, std::cout, std::cerr, playFile);
    }

#ifdef PLAYER_WITH_SDL2
    std::unique_ptr<run::platform::IBackend> backend;
    try {
        backend = run::platform::CreateSdlBackend();
    } catch (const run::platform::NoDisplayError& e) {
        std::cerr << "run: no display could be opened (" << e.what() << ").\n"
                  << "Start it on a virtual display:   xvfb-run -a " << argv[0] << " " << project << "\n"
                  << "or play it without a window:     " << argv[0] << " --headless --play STEPS.txt "
                  << project << "\n";
        return 3;
    }
    {
        run::platform::SettingsStore settings(run::platform::SettingsStore::DefaultFile());
        if (chooseGame) {
            run::platform::FontCatalog fonts;
            run::platform::WindowSystem ui(*backend, fonts);
            std::error_code ec;
            run::GameFolderChooser chooser(ui, settings, std::filesystem::current_path(ec));
            const auto chosen = chooser.choose();
            if (!chosen) return 0;
            project = chosen->string();
        } else if (run::IsGameFolder(project)) {
            run::RememberRecentGame(settings, project);
        }
    }
    run::Player player(*backend, {project, {}, {}, installed});
    player.start();
    player.run();
    return 0;
#else
    std::cerr << "run: this build has no window backend; use --headless\n";
    return 2;
#endif
}
