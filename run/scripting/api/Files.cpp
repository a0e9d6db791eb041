// The game's folders, the per-user parameters, INI files and file searches. A bare file title
// lies in the External folder; any other path must be one the file policy allows.
#include "run/project/ProjectContext.h"
#include "run/scripting/api/ApiFunction.h"

#include "run/platform/files/IniFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/ProjectPaths.h"
#include "run/scripting/ScriptContext.h"
#include "run/scripting/ScriptFiles.h"
#include "vbscript/vbscript.h"

#include <algorithm>
#include <filesystem>

namespace run::api {

namespace {

std::string pathFor(const ScriptContext& s, int number) {
    const ProjectPaths& p = s.project.paths;
    switch (number) {
    case 0:
    case 1:
        return p.project;
    case 3:
        return p.config;
    case 4:
        return p.areas;
    case 5:
        return p.frames;
    case 6:
        return p.framesData;
    case 7:
        return p.icons;
    default:
        return p.external;
    }
}

namespace fs = std::filesystem;

// File attributes as scripts give them.
enum : int { kHidden = 2, kVolume = 8, kDirectory = 16 };

// The names in `folder` that match the pattern with the attributes asked for, in the order the
// classic file system lists them (by name, without regard to case). Plain files always match;
// hidden ones (a leading dot here) and folders, "." and ".." included, only when asked for.
std::vector<std::string> dirMatches(const fs::path& folder, const std::string& pattern, int attributes) {
    std::vector<std::string> names;
    const std::u16string wanted = vbs::fromUtf8(pattern.empty() ? "*" : pattern);
    auto consider = [&](const std::string& name, bool isFolder) {
        const bool hidden = name.size() > 1 && name[0] == '.' && name != "..";
        if (hidden && !(attributes & kHidden)) return;
        if (isFolder && !(attributes & kDirectory)) return;
        if (vbs::files::wildcardMatch(wanted, vbs::fromUtf8(name))) names.push_back(name);
    };
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return names;
    if ((attributes & kDirectory) && folder.has_parent_path() && folder != folder.root_path()) {
        consider(".", true);
        consider("..", true);
    }
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeEc;
        consider(it->path().filename().string(), it->is_directory(typeEc));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return platform::LowerCaseWin(a) < platform::LowerCaseWin(b);
    });
    return names;
}

// DDir with a pattern: the folder part goes through the file policy; a folder the game may not
// read has no matches.
std::vector<std::string> startDirSearch(ScriptContext& s, const std::string& pathName, int attributes) {
    if (attributes == kVolume) return {}; // there are no volume labels to give here
    std::string::size_type cut = pathName.find_last_of("\\/");
    std::string folder = cut == std::string::npos ? "" : pathName.substr(0, cut + 1);
    std::string pattern = cut == std::string::npos ? pathName : pathName.substr(cut + 1);
    auto native = ScriptPath(s.project, folder.empty() ? "." : folder, false);
    if (!native) return {};
    return dirMatches(*native, pattern, attributes);
}

const ApiFunction kFunctions[] = {
    {u"GetPath", 1, 1,
     [](Call& c) {
         std::int32_t n = c.in.whole(0);
         if (!c.ok()) return false;
         // In the form games were written for: backslashes, one at the end.
         std::string path = pathFor(c.s, n);
         std::replace(path.begin(), path.end(), '/', '\\');
         c.result = vbs::Value::fromUtf8(path);
         return c.ok();
     }},
    {u"SaveParameter", 2, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         std::string value = c.in.utf8(1);
         if (!c.ok()) return false;
         return Caught(c, " Unable to save the parameter named \"" + name + "\". ",
                       [&] { c.s.project.saveUserSetting("_" + name, value); });
     }},
    {u"LoadParameter", 1, 2,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         std::string fallback = c.in.utf8(1);
         if (!c.ok()) return false;
         c.result = vbs::Value::fromUtf8("");
         return Caught(c, " Unable to load the parameter named \"" + name + "\". ", [&] {
             c.result = vbs::Value::fromUtf8(c.s.project.getUserSetting("_" + name, fallback));
         });
     }},
    {u"ReadINI", 3, 3,
     [](Call& c) {
         std::string file = c.in.utf8(0), section = c.in.utf8(1), key = c.in.utf8(2);
         if (!c.ok()) return false;
         std::string value;
         if (!file.empty() && !section.empty() && !key.empty()) {
             if (auto path = ScriptFunctionPath(c.s.project, file, false); path && ProjectFileExists(*path))
                 value = platform::GetPrivateProfileString(*path, section, key, "", 255);
         }
         c.result = vbs::Value::fromUtf8(value);
         return true;
     }},
    {u"WriteINI", 4, 4,
     [](Call& c) {
         std::string file = c.in.utf8(0), section = c.in.utf8(1), key = c.in.utf8(2), value = c.in.utf8(3);
         if (!c.ok() || file.empty() || section.empty() || key.empty()) return c.ok();
         if (auto path = ScriptFunctionPath(c.s.project, file, true))
             platform::WritePrivateProfileString(*path, section, key, value);
         return true;
     }},
    {u"GetEncryptedFileName", 1, 1,
     [](Call& c) {
         std::string name = c.in.utf8(0);
         if (!c.ok()) return false;
         std::string hidden = ProjectFileExists(name) ? HiddenPath(name, true) : name;
         c.result = vbs::Value::fromUtf8(hidden);
         return true;
     }},
    {u"DDir", 0, 2,
     [](Call& c) {
         std::string pathName = c.in.utf8(0, "");
         std::int32_t attributes = c.in.whole(1, 0);
         if (!c.ok()) return false;
         ApiState& st = c.state;
         if (!pathName.empty()) {
             st.dirMatches = startDirSearch(c.s, pathName, attributes);
             st.dirNext = 0;
         }
         std::string next = st.dirNext < st.dirMatches.size() ? st.dirMatches[st.dirNext++] : "";
         c.result = vbs::Value::fromUtf8(next);
         return true;
     }},
};

} // namespace

std::span<const ApiFunction> FileFunctions() {
    return kFunctions;
}

} // namespace run::api
