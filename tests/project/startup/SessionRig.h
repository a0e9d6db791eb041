// A session on the headless backend over a project folder written by the builder.
#pragma once

#include "run/core/Session.h"
#include "run/platform/headless/HeadlessBackend.h"
#include "tests/support/ProjectBuilder.h"

namespace run::testing {

struct SessionRig {
    SessionRig() {
        s.projectFolder = project.folder().string();
        ComputeProjectPaths(s.paths, s.projectFolder);
    }

    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
    platform::HeadlessBackend backend;
    platform::FontCatalog fonts;
    platform::WindowSystem ui{backend, fonts};
    platform::SettingsStore settings{tmp / "settings.ini"};
    Session s{ui, settings};
};

} // namespace run::testing
