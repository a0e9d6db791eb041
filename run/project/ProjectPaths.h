// The project's folders, computed once at start-up. Paths are native absolute folder paths
// ending in '/'; a folder whose name differs only in letter case on disk is found as it is.
#pragma once

#include <string>

namespace run {

struct ProjectPaths {
    std::string project;    // the project folder
    std::string frames;     // Frames
    std::string framesData; // FramesData
    std::string areas;      // Areas
    std::string icons;      // Icons
    std::string config;     // Config
    std::string temp;       // Temp
    std::string schemes;    // Schemes (set only if not set before)
    std::string inventory;  // Inventory (set only if not set before)
    std::string external;   // External
    std::string components; // CPData
};

// Fills the paths from the project folder (any form: relative, with or without a final slash).
// The root folder stays "/" rather than "//".
void ComputeProjectPaths(ProjectPaths& paths, const std::string& projectFolder);

// The path scripts ask for by number: 0 and 1 project, 3 Config, 4 Areas, 5 Frames,
// 6 FramesData, 7 Icons, anything else External.
const std::string& GetPath(const ProjectPaths& paths, int number);

// folder + frame name + extension, and the alternate file (.mr1/.mr2/.mr3) when it exists.
std::string FrameFilePath(const std::string& folder, const std::string& frameName,
                          const std::string& extension);
std::string HasAlternateFile(const ProjectPaths& paths, const std::string& frameName,
                             const std::string& plainExtension, const std::string& alternateExtension);

// A project file path as it exists on disk (found without regard to letter case and with
// backslashes accepted), or the path unchanged when no such file exists.
std::string ExistingPath(const std::string& path);
bool ProjectFileExists(const std::string& path);

} // namespace run
