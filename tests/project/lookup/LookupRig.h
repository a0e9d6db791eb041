// The project "Quest" on the headless backend, written by the builder, as start-up leaves it, with
// helpers for CD projects: the marker, the CD index and folders standing as CDs.
#pragma once

#include "run/platform/headless/HeadlessBackend.h"
#include "run/project/record/RecordWriter.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ProjectRun.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace run::testing {

struct IndexEntry {
    std::string name;
    int cd;
    int kind;
};

// The project "Quest" as start-up leaves it, on a context of the caller's.
inline void StartQuest(ProjectContext& s, const ProjectBuilder& project, std::vector<std::string>& trace) {
    s.projectFolder = project.folder().string();
    ComputeProjectPaths(s.paths, s.projectFolder);
    s.uiText.applySet(true);
    s.info.AdventureName = "Quest";
    s.info.ProjectRegistryName = "Quest";
    s.trace.attach(&trace);
}

// The project's files, and folders standing as CDs.
struct QuestFiles {

    // A file of the project, by its path inside the project folder.
    std::string put(const std::string& relativePath, const std::string& bytes = "x") {
        project.file(relativePath, bytes);
        return (project.folder() / relativePath).string();
    }
    // A file anywhere under the temporary folder (a CD, or outside the project).
    std::string putOutside(const std::string& relativePath, const std::string& bytes = "x") {
        std::filesystem::path p = tmp / relativePath;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    // Marks the project as a CD project and writes its index.
    void makeCdProject(int numberOfCds, const std::vector<IndexEntry>& entries) {
        RecordWriter w;
        w.writeField("index");
        w.writeField(std::int16_t{1});
        w.writeField(std::int16_t{0});
        w.writeField(static_cast<std::int16_t>(numberOfCds));
        w.writeField("");
        w.writeField("");
        for (const IndexEntry& e : entries) {
            w.writeField(e.name);
            w.writeField(static_cast<std::int16_t>(e.cd));
            w.writeField(static_cast<std::int16_t>(e.kind));
        }
        project.file("RunFromCD.dat", "");
        project.file("Config/CDContents", w.bytes());
    }

    TempFolder tmp;
    ProjectBuilder project{tmp / "game"};
};

struct LookupRig : QuestFiles {
    LookupRig() { StartQuest(s, project, trace); }

    const std::vector<platform::RecordedBox>& messageBoxes() const { return backend.boxes(); }

    platform::HeadlessBackend backend;
    platform::FontCatalog fonts;
    platform::WindowSystem ui{backend, fonts};
    platform::SettingsStore settings{tmp / "settings.ini"};
    ProjectRun s{ui, settings};
    std::vector<std::string> trace;
};

} // namespace run::testing
