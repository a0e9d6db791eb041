// InitProject and the loaders it runs.
#include "run/project/StartUp.h"

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

void RegisterProjectComponents(ProjectContext& s) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(s.paths.components, ec), end; !ec && it != end; it.increment(ec)) {
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".ocx") files.push_back(it->path());
    }
    // Registration itself comes with the component host; a failed one is ignored.
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
