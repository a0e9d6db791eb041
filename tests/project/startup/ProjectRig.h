// A project folder written by the builder and the project context over it, on the headless backend.
#pragma once

#include "run/platform/headless/HeadlessBackend.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ProjectRun.h"

namespace run::testing {

struct ProjectRig {
    ProjectRig() {
        s.projectFolder = project.folder().string();
        ComputeProjectPaths(s.paths, s.projectFolder);
    }

    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    platform::HeadlessBackend backend;
    platform::FontCatalog fonts;
    platform::WindowSystem ui{backend, fonts};
    platform::SettingsStore settings{tmp / "settings.ini"};
    ProjectRun s{ui, settings};
};

} // namespace run::testing
