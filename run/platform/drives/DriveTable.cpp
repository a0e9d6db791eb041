// Drive letters from the mount table or from a description.
#include "run/platform/drives/DriveTable.h"

#include "run/platform/files/WindowsPath.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace run::platform {

namespace fs = std::filesystem;

namespace {

char upperLetter(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return c;
    return 0;
}

std::string withFinalSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// Mount points escape blanks and a few other bytes as backslash + three octal digits.
std::string unescapeMountField(std::string_view field) {
    auto octal = [](char c) { return c >= '0' && c <= '7'; };
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) && octal(field[i + 2]) &&
            octal(field[i + 3])) {
            int v = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            out += static_cast<char>(v & 0xFF);
            i += 3;
            continue;
        }
        out += field[i];
    }
    return out;
}

bool under(const std::string& mountPoint, std::string_view folder) {
    return mountPoint.size() > folder.size() && mountPoint.compare(0, folder.size(), folder) == 0 &&
           mountPoint[folder.size()] == '/';
}

std::optional<int> typeFromName(std::string_view name) {
    if (name == "cd") return kDriveCdRom;
    if (name == "fixed") return kDriveFixed;
    if (name == "removable") return kDriveRemovable;
    if (name == "remote") return kDriveRemote;
    if (name == "ram") return kDriveRamDisk;
    return std::nullopt;
}

} // namespace

DriveTable DriveTable::FromMountTable(std::string_view mounts) {
    struct Mount {
        std::string point;
        int type;
    };
    std::vector<Mount> found;
    std::size_t start = 0;
    while (start < mounts.size()) {
        std::size_t end = mounts.find('\n', start);
        if (end == std::string_view::npos) end = mounts.size();
        std::istringstream line{std::string(mounts.substr(start, end - start))};
        start = end + 1;
        std::string device, point, fsType;
        if (!(line >> device >> point >> fsType)) continue;
        point = unescapeMountField(point);
        if (point.empty() || point[0] != '/' || point == "/") continue;
        int type = 0;
        if (fsType == "iso9660" || fsType == "udf")
            type = kDriveCdRom;
        else if ((fsType == "vfat" || fsType == "exfat") &&
                 (under(point, "/media") || under(point, "/run/media")))
            type = kDriveRemovable;
        else if (fsType == "nfs" || fsType == "nfs4" || fsType == "cifs" || fsType == "smb3" ||
                 fsType == "smbfs")
            type = kDriveRemote;
        if (type == 0) continue;
        // A point mounted twice keeps its first entry.
        if (std::none_of(found.begin(), found.end(), [&](const Mount& m) { return m.point == point; }))
            found.push_back({point, type});
    }
    // CDs first, then removable volumes, then network shares; by mount point within each, so
    // that the letters stay the same from one run to the next.
    auto rank = [](int type) { return type == kDriveCdRom ? 0 : type == kDriveRemovable ? 1 : 2; };
    std::stable_sort(found.begin(), found.end(), [&](const Mount& a, const Mount& b) {
        if (rank(a.type) != rank(b.type)) return rank(a.type) < rank(b.type);
        return a.point < b.point;
    });
    DriveTable table;
    table.m_filled = true;
    char letter = 'D';
    for (const Mount& m : found) {
        if (letter > 'Z') break;
        table.set(letter++, {m.point, m.type});
    }
    return table;
}

DriveTable DriveTable::FromSystem() {
    std::ifstream in("/proc/mounts", std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    return FromMountTable(text.str());
}

DriveTable DriveTable::FromDescription(const std::string& description) {
    DriveTable table;
    table.m_filled = true;
    std::size_t start = 0;
    while (start <= description.size()) {
        std::size_t end = description.find(';', start);
        if (end == std::string::npos) end = description.size();
        std::string_view item(description.data() + start, end - start);
        start = end + 1;
        if (item.size() < 3 || item[1] != '=') continue;
        char letter = upperLetter(item[0]);
        if (!letter) continue;
        std::string_view rest = item.substr(2);
        int type = kDriveFixed;
        std::size_t colon = rest.rfind(':');
        if (colon != std::string_view::npos) {
            if (auto t = typeFromName(rest.substr(colon + 1))) {
                type = *t;
                rest = rest.substr(0, colon);
            }
        }
        if (rest.empty()) continue;
        table.set(letter, {std::string(rest), type});
    }
    return table;
}

DriveTable DriveTable::FromEnvironment() {
    if (const char* d = std::getenv("RUN_DRIVES")) return FromDescription(d);
    return FromSystem();
}

void DriveTable::set(char letter, Drive drive) {
    char l = upperLetter(letter);
    if (!l) return;
    m_filled = true;
    std::string root = withFinalSlash(std::move(drive.root));
    if (root.find_first_not_of('/') == std::string::npos) return;
    drive.root = std::move(root);
    m_drives[l] = std::move(drive);
}

void DriveTable::remove(char letter) {
    if (char l = upperLetter(letter)) m_drives.erase(l);
}

std::optional<Drive> DriveTable::find(char letter) const {
    char l = upperLetter(letter);
    auto it = m_drives.find(l);
    if (!l || it == m_drives.end()) return std::nullopt;
    return it->second;
}

int DriveTable::typeOf(char letter) const {
    auto d = find(letter);
    return d ? d->type : kDriveNoRoot;
}

std::optional<std::string> DriveTable::toNative(const std::string& windowsPath) const {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    auto drive = find(windowsPath[0]);
    if (!drive) return std::nullopt;
    // Resolve "." and ".." here, so that the result never leaves the drive's folder.
    std::vector<std::string_view> parts;
    for (std::string_view part : SplitWindowsPath(std::string_view(windowsPath).substr(2))) {
        if (part == ".") continue;
        if (part == "..") {
            if (parts.empty()) return std::nullopt;
            parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out = drive->root;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i) out += '/';
        out += parts[i];
    }
    return out;
}

bool DriveTable::rootExists(char letter) const {
    auto d = find(letter);
    std::error_code ec;
    return d && fs::is_directory(d->root, ec);
}

} // namespace run::platform
