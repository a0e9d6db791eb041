// allowFolders: containment checks on resolved, normalised absolute paths.
#include "FilePolicy.h"

#include <filesystem>
#include <memory>
#include <system_error>

namespace vbs {

namespace {

namespace fs = std::filesystem;

std::string rootOf(const std::string& folder) {
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(folder), ec);
    if (ec) return {};
    fs::path c = fs::weakly_canonical(p, ec);
    if (ec) return {};
    std::string s = c.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

// True when path is root or lies below it, compared component-wise.
bool within(const std::string& path, const std::string& root, bool strictly) {
    if (root.empty()) return false;
    if (path == root) return !strictly;
    if (root == "/") return path.size() > 1 && path[0] == '/';
    return path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/';
}

// The resolver hands over normalised absolute paths; anything else is refused.
bool wellFormed(const std::string& path) {
    if (path.empty() || path[0] != '/') return false;
    for (const auto& part : fs::path(path))
        if (part == "." || part == "..") return false;
    return path.find('\0') == std::string::npos;
}

} // namespace

std::function<bool(const std::string& path, bool write)>
allowFolders(std::vector<std::string> readWriteRoots, std::vector<std::string> readOnlyRoots) {
    auto rw = std::make_shared<std::vector<std::string>>();
    auto ro = std::make_shared<std::vector<std::string>>();
    for (const auto& r : readWriteRoots)
        rw->push_back(rootOf(r));
    for (const auto& r : readOnlyRoots)
        ro->push_back(rootOf(r));
    return [rw, ro](const std::string& path, bool write) {
        if (!wellFormed(path)) return false;
        for (const auto& r : *rw)
            if (within(path, r, write)) return true;
        if (write) return false;
        for (const auto& r : *ro)
            if (within(path, r, false)) return true;
        return false;
    };
}

} // namespace vbs
