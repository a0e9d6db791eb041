#include "run/scripting/ScriptFiles.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/files/WindowsPath.h"
#include "run/project/FileLookup.h"
#include "run/project/ProjectContext.h"
#include "vbscript/vbscript.h"

#include <cstdlib>
#include <filesystem>

namespace run {

namespace fs = std::filesystem;

std::string SafeFolderName(const std::string& name) {
    std::string out = name;
    for (char& c : out) {
        if (c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32) c = '_';
    }
    // Blanks at either end make names that look alike and that some systems refuse.
    out = platform::TrimBlanks(out);
    if (out.empty() || out == "." || out == "..") out = "_" + out;
    return out;
}

std::string SavesFolder(const ProjectContext& s) {
    if (s.documentsFolder.empty()) return s.paths.project;
    return (std::filesystem::path(s.documentsFolder) / "Savegames" / SafeFolderName(s.info.AdventureName))
        .string();
}

std::string GameSettingsFolder(const ProjectContext& s) {
    return (s.settings.file().parent_path() / "games" / SafeFolderName(s.info.ProjectRegistryName)).string();
}

namespace {

// A script's path as a native path: drive paths through the drive letters of the discs,
// relative paths from the game's folder, backslashes as separators, letters matched without
// regard to case where the file exists.
std::string mapScriptPath(ProjectContext& s, const std::string& path) {
    std::string native;
    if (path.size() >= 2 && path[1] == ':') {
        EnsureDriveLetters(s);
        auto mapped = s.drives.toNative(path);
        // A drive the game has no letter for leads nowhere the policy allows.
        native = mapped ? *mapped : "/nonexistent/" + platform::ToNativeSeparators(path.substr(2));
    } else {
        native = platform::ToNativeSeparators(path);
        if (native.empty() || native[0] != '/')
            native = platform::ToNativeSeparators(s.paths.project) + native;
    }
    if (auto found = platform::FindPathNoCase(native)) return found->string();
    return native;
}

} // namespace

namespace {

std::function<bool(const std::string&, bool)> filePolicy(ProjectContext& s) {
    std::vector<std::string> readWrite{platform::ToNativeSeparators(s.paths.project), SavesFolder(s),
                                       GameSettingsFolder(s)};
    // The discs of a game on CDs may be read too.
    std::vector<std::string> readOnly;
    if (IsCdProject(s)) {
        EnsureDriveLetters(s);
        for (const auto& [letter, drive] : s.drives.drives())
            readOnly.push_back(drive.root);
    }
    return vbs::allowFolders(std::move(readWrite), std::move(readOnly));
}

} // namespace

std::optional<std::string> ScriptFunctionPath(ProjectContext& s, const std::string& fileTitle, bool write) {
    const bool bare = fileTitle.find('\\') == std::string::npos && fileTitle.find('/') == std::string::npos;
    return ScriptPath(s, bare && !fileTitle.empty() ? s.paths.external + fileTitle : fileTitle, write);
}

std::optional<std::string> ScriptPath(ProjectContext& s, const std::string& path, bool write) {
    if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
    std::string native = mapScriptPath(s, path);
    // The policy judges the path as it will be opened: absolute, links resolved.
    std::error_code ec;
    std::filesystem::path full = std::filesystem::weakly_canonical(native, ec);
    if (ec) return std::nullopt;
    if (!filePolicy(s)(full.string(), write)) return std::nullopt;
    return full.string();
}

vbs::Config ScriptEngineConfig(ProjectContext& s) {
    vbs::Config c;
    c.msgBox = [&s](std::string_view prompt, int buttons, std::string_view title) {
        return s.ui.messageBox(std::string(prompt), buttons, std::string(title));
    };
    c.inputBox = [&s](std::string_view prompt, std::string_view title, std::string_view defaultText) {
        return s.ui.inputBox(std::string(prompt), std::string(title), std::string(defaultText));
    };
    c.createObjectEnabled = s.readProjectSetting("AllowCreateObject") == "1";
    c.mapPath = [&s](std::u16string_view scriptPath) { return mapScriptPath(s, vbs::toUtf8(scriptPath)); };
    c.fileAccess = filePolicy(s);
    c.timeoutMs = 10000;
    return c;
}

} // namespace run
