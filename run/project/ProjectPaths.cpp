// Project folder paths.
#include "run/project/ProjectPaths.h"

#include "run/platform/files/WindowsPath.h"

#include <filesystem>

namespace run {

namespace fs = std::filesystem;

namespace {

// A sub-folder as it exists on disk (any letter case), or with its canonical name.
std::string subFolder(const std::string& project, const char* name) {
    if (auto found = platform::FindPathNoCase(project + name)) {
        std::error_code ec;
        if (fs::is_directory(*found, ec)) return found->string() + "/";
    }
    return project + name + "/";
}

} // namespace

void ComputeProjectPaths(ProjectPaths& paths, const std::string& projectFolder) {
    std::error_code ec;
    fs::path abs = fs::absolute(projectFolder.empty() ? fs::path(".") : fs::path(projectFolder), ec);
    std::string p = abs.lexically_normal().string();
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    if (p != "/") p += "/";
    paths.project = p;
    paths.frames = subFolder(p, "Frames");
    paths.framesData = subFolder(p, "FramesData");
    paths.areas = subFolder(p, "Areas");
    paths.icons = subFolder(p, "Icons");
    paths.config = subFolder(p, "Config");
    paths.temp = subFolder(p, "Temp");
    if (paths.schemes.empty()) paths.schemes = subFolder(p, "Schemes");
    if (paths.inventory.empty()) paths.inventory = subFolder(p, "Inventory");
    paths.external = subFolder(p, "External");
    paths.components = subFolder(p, "CPData");
}

const std::string& GetPath(const ProjectPaths& paths, int number) {
    switch (number) {
    case 0:
    case 1:
        return paths.project;
    case 3:
        return paths.config;
    case 4:
        return paths.areas;
    case 5:
        return paths.frames;
    case 6:
        return paths.framesData;
    case 7:
        return paths.icons;
    default:
        return paths.external;
    }
}

std::string FrameFilePath(const std::string& folder, const std::string& frameName,
                          const std::string& extension) {
    return folder + frameName + extension;
}

std::string ExistingPath(const std::string& path) {
    if (auto found = platform::FindPathNoCase(path)) return found->string();
    return path;
}

bool ProjectFileExists(const std::string& path) {
    auto found = platform::FindPathNoCase(path);
    std::error_code ec;
    return found && fs::is_regular_file(*found, ec);
}

std::string HasAlternateFile(const ProjectPaths& paths, const std::string& frameName,
                             const std::string& plainExtension, const std::string& alternateExtension) {
    // Frame names in the game's data need not match the letter case of the files on disk.
    std::string alternate = FrameFilePath(paths.framesData, frameName, alternateExtension);
    if (ProjectFileExists(alternate)) return ExistingPath(alternate);
    return ExistingPath(FrameFilePath(paths.framesData, frameName, plainExtension));
}

} // namespace run
