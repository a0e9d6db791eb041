// InitProject and the loaders it runs.
#include "run/project/StartUp.h"

#include "run/platform/components/ComponentLibrary.h"
#include "run/project/DisplayResolution.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace run {

namespace fs = std::filesystem;

void LoadUiTexts(ProjectContext& s) {
    try {
        LoadUiTextsFromFile(s.paths.config + "Texts", s.uiText);
    } catch (const std::exception&) {
        s.ui.messageBox("Unable to load text.", platform::kOkOnly, "Error");
        s.uiText.applySet(false);
    }
}

void LoadProjectInfo(ProjectContext& s) {
    try {
        ReadProjectInfo(ExistingPath(s.paths.config + "General"), s.info);
    } catch (const std::exception&) {
        s.showErrorBox(" Error loading project information.");
    }
}

namespace {

// The "*.ocx" files of a folder, in directory order.
std::vector<fs::path> componentFiles(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".ocx") files.push_back(it->path());
    }
    return files;
}

// Registers one file; a failed registration is ignored, as it always was.
void registerFile(const fs::path& file, platform::ComponentRegistry& registry) {
    const platform::RegistrationResult r = platform::RunRegistrationEntry(file, false);
    if (r.ok) registry.record(r.progIds, fs::absolute(file));
}

} // namespace

void RegisterInstalledComponents(const fs::path& folder, platform::ComponentRegistry& registry) {
    if (folder.empty()) return;
    for (const fs::path& file : componentFiles(folder))
        registerFile(file, registry);
}

void RegisterProjectComponents(ProjectContext& s) {
    if (!s.componentRegistry) return;
    std::vector<fs::path> files, windows;
    for (const fs::path& file : componentFiles(s.paths.components))
        (platform::IsWindowsComponentFile(file) ? windows : files).push_back(file);
    if (!windows.empty()) {
        std::string names;
        for (const fs::path& f : windows)
            names += "\r\n" + f.filename().string();
        s.ui.messageBox(
            "This game comes with components made for Windows:" + names +
                "\r\n\r\nA Windows component cannot run on this system. The game may not work fully.",
            platform::kExclamation, "Components");
    }
    if (files.empty()) return;
    // A game's own components are program code that runs in the player: the player asks once
    // per game, and keeps the answer.
    const std::string game = fs::weakly_canonical(s.projectFolder).string();
    std::string allowed = s.componentRegistry->gameAllowed(game);
    if (allowed.empty()) {
        std::string names;
        for (const fs::path& f : files)
            names += "\r\n" + f.filename().string();
        const int answer =
            s.ui.messageBox("This game comes with components (program libraries) of its own:" + names +
                                "\r\n\r\nThey run inside the player with your rights, like any program you "
                                "start. Let this game "
                                "use them?",
                            platform::kYesNo | platform::kQuestion, "Components");
        allowed = answer == platform::kResultYes ? "1" : "0";
        s.componentRegistry->setGameAllowed(game, allowed == "1");
    }
    if (allowed != "1") return;
    for (const fs::path& file : files)
        registerFile(file, *s.componentRegistry);
}

bool InitProject(ProjectContext& s, Flags& flags) {
    bool ok = true;
    auto step = [&](auto&& fn) {
        try {
            fn();
        } catch (const std::exception&) {
            ok = false;
        }
    };
    step([&] { SaveDesktopMode(s); });
    step([&] { ComputeProjectPaths(s.paths, s.projectFolder); });
    step([&] { RegisterProjectComponents(s); });
    step([&] {
        if (!ProjectFileExists(s.paths.config + "Texts")) s.uiText.applySet(false);
    });
    // The current-frame record starts empty; the frame engine owns it.
    step([&] { LoadUiTexts(s); });
    if (!ProjectFileExists(s.paths.config + "General")) {
        s.ui.messageBox(s.uiText[33] + " " + s.paths.config + "General", platform::kExclamation,
                        s.uiText[29]);
        flags.programEnded = true;
        return ok;
    }
    step([&] {
        if (s.ui.fonts().lineHeight(s.systemFont) > 16) {
            int answer =
                s.ui.messageBox(s.uiText[40] + "\r\n\r\n" + s.uiText[41],
                                platform::kYesNo | platform::kDefaultButton2 | platform::kExclamation, "!!!");
            if (answer == platform::kResultNo) flags.programEnded = true;
        }
    });
    if (flags.programEnded) return ok;
    step([&] { LoadProjectInfo(s); });
    step([&] { LoadCdIndex(s); });
    return ok;
}

} // namespace run
