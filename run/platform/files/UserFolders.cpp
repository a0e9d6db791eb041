#include "run/platform/files/UserFolders.h"

#include <cstdlib>
#include <fstream>

namespace run::platform {

namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

// XDG_DOCUMENTS_DIR="$HOME/Documents" in user-dirs.dirs; only "$HOME" is expanded there.
std::string fromUserDirs(const std::string& home) {
    std::string config = env("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/') config = home + "/.config";
    std::ifstream in(config + "/user-dirs.dirs");
    for (std::string line; std::getline(in, line);) {
        const std::string key = "XDG_DOCUMENTS_DIR=\"";
        if (!line.starts_with(key) || line.size() < key.size() + 1 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.starts_with("$HOME")) value = home + value.substr(5);
        // A documents folder set to the home folder itself is how "no documents folder" is said.
        if (value.empty() || value[0] != '/' || value == home || value == home + "/") return "";
        return value;
    }
    return "";
}

} // namespace

std::string DocumentsFolder() {
    if (std::string d = env("XDG_DOCUMENTS_DIR"); !d.empty() && d[0] == '/') return d;
    const std::string home = env("HOME");
    if (home.empty()) return "";
    if (std::string d = fromUserDirs(home); !d.empty()) return d;
    return home + "/Documents";
}

} // namespace run::platform
