// InitProject and the loaders it runs.
#include "run/project/StartUp.h"

#include "run/core/Session.h"
#include "run/project/DisplayResolution.h"
#include "run/project/FileLookup.h"
#include "run/project/record/RecordFile.h"

#include <algorithm>
#include <exception>
#include <filesystem>

namespace run {

namespace fs = std::filesystem;

void LoadUiTexts(Session& s) {
    try {
        LoadUiTextsFromFile(s.paths.config + "Texts", s.uiText);
    } catch (const std::exception&) {
        s.ui.messageBox("Unable to load text.", platform::kOkOnly, "Error");
        s.uiText.applySet(false);
    }
}

void LoadProjectInfo(Session& s) {
    try {
        ReadProjectInfo(ExistingPath(s.paths.config + "General"), s.info);
    } catch (const std::exception&) {
        s.showErrorBox(" Error loading project information.");
    }
}

void RegisterProjectComponents(Session& s) {
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(s.paths.components, ec), end; !ec && it != end; it.increment(ec)) {
        std::string ext = it->path().extension().string();
        std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
        if (ext == ".ocx") files.push_back(it->path());
    }
    // Registration itself comes with the component host; a failed one is ignored.
}

bool InitProject(Session& s) {
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
        s.programEnded = true;
        return ok;
    }
    step([&] {
        if (s.ui.fonts().lineHeight(s.systemFont) > 16) {
            int answer =
                s.ui.messageBox(s.uiText[40] + "\r\n\r\n" + s.uiText[41],
                                platform::kYesNo | platform::kDefaultButton2 | platform::kExclamation, "!!!");
            if (answer == platform::kResultNo) s.programEnded = true;
        }
    });
    if (s.programEnded) return ok;
    step([&] { LoadProjectInfo(s); });
    step([&] { LoadCdIndex(s); });
    return ok;
}

} // namespace run
