// Writes a project folder from C++ — General, Texts, More and any other file — so that each test
// creates exactly the project it needs, through the same record writer the player uses.
#pragma once

#include "run/project/ProjectInfo.h"

#include <filesystem>
#include <string>
#include <vector>

namespace run::testing {

class ProjectBuilder {
  public:
    // Creates the folder and the usual sub-folders (Config, Frames, FramesData, Areas, Icons …).
    explicit ProjectBuilder(std::filesystem::path folder);

    const std::filesystem::path& folder() const { return m_folder; }

    // Config/General with every field of `info`; `lastField` ends the file early after that
    // field (11, 12, 16, 22, 38, 41, 44, 46, 47, 48, 55 or 56), as older projects do.
    ProjectBuilder& general(const ProjectInfo& info, int lastField = 56);
    // Config/Texts: mode 0, 1, or 2 with overrides (any count, for tests of bad files too).
    ProjectBuilder& texts(int mode, const std::vector<std::string>& overrides = {});
    // A key of section General in Config/More.
    ProjectBuilder& more(const std::string& key, const std::string& value);
    // Any file, given by its path inside the project, with raw bytes.
    ProjectBuilder& file(const std::string& relativePath, const std::string& bytes);
    ProjectBuilder& remove(const std::string& relativePath);

  private:
    std::filesystem::path m_folder;
};

// A fresh, empty temporary folder removed when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

  private:
    std::filesystem::path m_path;
};

} // namespace run::testing
