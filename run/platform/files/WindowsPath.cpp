#include "run/platform/files/WindowsPath.h"

#include "run/platform/files/TextCodec.h"

#include <algorithm>
#include <map>
#include <vector>

namespace run::platform {
namespace {

namespace fs = std::filesystem;

// Directory listings read during one resolution; a path rarely visits a folder twice,
// but "a/../a/x" style paths would otherwise list it again.
class ListingCache {
  public:
    const std::vector<std::string>& names(const fs::path& folder) {
        auto it = m_listings.find(folder);
        if (it != m_listings.end()) return it->second;
        std::vector<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator d(folder.empty() ? fs::path(".") : folder, ec), end; !ec && d != end;
             d.increment(ec))
            names.push_back(d->path().filename().string());
        std::sort(names.begin(), names.end());
        return m_listings.emplace(folder, std::move(names)).first->second;
    }

  private:
    std::map<fs::path, std::vector<std::string>> m_listings;
};

std::optional<fs::path> resolve(fs::path current, const std::vector<std::string_view>& parts) {
    ListingCache cache;
    for (std::string_view part : parts) {
        if (part == ".") continue;
        std::error_code ec;
        if (!current.empty() && !fs::is_directory(current, ec)) return std::nullopt;
        if (part == "..") {
            current /= part;
            continue;
        }
        fs::path exact = current / part;
        if (fs::exists(fs::symlink_status(exact, ec))) {
            current = std::move(exact);
            continue;
        }
        const auto& names = cache.names(current);
        // A name on disk in the game's own Windows-1252 bytes (unpacked from an archive made
        // on Windows) matches by its letters.
        const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& n) {
            return EqualsNoCase(n, part) ||
                   (std::any_of(n.begin(), n.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) &&
                    EqualsNoCase(RepairUtf8(n), part));
        });
        if (found == names.end()) return std::nullopt;
        current /= *found;
    }
    std::error_code ec;
    if (current.empty() || !fs::exists(current, ec)) return std::nullopt;
    return current;
}

} // namespace

std::optional<fs::path> FindPathNoCase(const std::string& path) {
    if (path.empty()) return std::nullopt;
    const bool absolute = path[0] == '/' || path[0] == '\\';
    const auto parts = SplitWindowsPath(path);
    if (parts.empty()) return absolute ? std::optional<fs::path>(fs::path("/")) : std::nullopt;
    return resolve(absolute ? fs::path("/") : fs::path(), parts);
}

std::optional<fs::path> FindPathNoCase(const fs::path& base, const std::string& relative) {
    std::error_code ec;
    if (!fs::is_directory(base, ec)) return std::nullopt;
    return resolve(base, SplitWindowsPath(relative));
}

std::vector<std::string_view> SplitWindowsPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '\\' && path[i] != '/') continue;
        if (i > start) parts.push_back(path.substr(start, i - start));
        start = i + 1;
    }
    return parts;
}

std::string ToNativeSeparators(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool IsSafeRelativeName(std::string_view name) {
    if (name.empty() || name[0] == '/' || name[0] == '\\') return false;
    if (name.find(':') != std::string_view::npos || name.find('\0') != std::string_view::npos) return false;
    const auto parts = SplitWindowsPath(name);
    for (std::string_view part : parts) {
        // Windows drops trailing dots and blanks, so "...", ". ." and the like act as "..".
        if (part != "." && part.find_first_not_of(". ") == std::string::npos) return false;
    }
    return !parts.empty();
}

} // namespace run::platform
