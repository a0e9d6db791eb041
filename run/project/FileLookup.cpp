// The media file lookup: plain and hidden names, the CD index, the CD drive and its dialog.
#include "run/project/FileLookup.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/files/WindowsPath.h"
#include "run/project/RunFromCdWindow.h"
#include "run/project/record/RecordFile.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace run {

namespace fs = std::filesystem;

namespace {

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool startsWithDrive(std::string_view p) {
    return p.size() >= 2 && isLetter(p[0]) && p[1] == ':';
}

std::string_view fileNamePart(std::string_view path) {
    std::size_t sep = path.find_last_of("\\/");
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

// The type codes of media files that compiled games store under hidden names.
struct MediaType {
    const char* extension;
    int code;
};
constexpr std::array<MediaType, 22> kMediaTypes{{
    {".ico", 2},  {".cur", 3},  {".bmp", 4},  {".jpg", 5},  {".gif", 6},  {".wmf", 7},
    {".emf", 8},  {".wav", 10}, {".mid", 11}, {".mp3", 12}, {".avi", 14}, {".wma", 16},
    {".mpg", 20}, {".mpe", 24}, {".m1v", 26}, {".wmv", 28}, {".ogg", 31}, {".snd", 34},
    {".rmi", 36}, {".mpa", 38}, {".mp2", 40}, {".asf", 44},
}};

int checked16(long v) {
    if (v < -32768 || v > 32767) throw std::overflow_error("Overflow");
    return static_cast<int>(v);
}

struct Confined {
    std::string native; // absolute, without "." or ".." parts, '/' separators
    bool rewritten;     // differs from the given path by more than its separators
};

bool inside(const std::string& path, const std::string& folder) {
    if (folder.empty() || folder[0] != '/') return false;
    std::string root = folder;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    if (root == "/") return true;
    return path == root ||
           (path.size() > root.size() && path.compare(0, root.size(), root) == 0 && path[root.size()] == '/');
}

// Where a path leads once its ".." parts are resolved, as a native path; nullopt when it leads
// outside the project's folders and the drives' folders. A drive path maps through the drive
// table; a drive letter inside a folder path keeps only the file name, in that folder.
std::optional<Confined> confine(const ProjectContext& s, const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
    if (startsWithDrive(path)) {
        auto native = s.drives.toNative(path);
        if (!native) return std::nullopt;
        return Confined{*native, true};
    }
    std::string absolute = path;
    if (path[0] != '/' && path[0] != '\\') {
        std::error_code ec;
        std::string cwd = fs::current_path(ec).string();
        if (ec) return std::nullopt;
        absolute = cwd + "/" + path;
    }
    std::vector<std::string_view> parts = platform::SplitWindowsPath(absolute);
    bool rewritten = false;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        if (!startsWithDrive(parts[k])) continue;
        std::string_view name = parts.back();
        if (k + 1 == parts.size() || name == "." || name == "..") return std::nullopt;
        parts.resize(k);
        parts.push_back(name);
        rewritten = true;
        break;
    }
    std::vector<std::string_view> normal;
    for (std::string_view part : parts) {
        if (part == ".") {
            rewritten = true;
        } else if (part == "..") {
            rewritten = true;
            if (!normal.empty()) normal.pop_back();
        } else {
            normal.push_back(part);
        }
    }
    std::string native;
    for (std::string_view part : normal) {
        native += '/';
        native += part;
    }
    if (native.empty()) native = "/";

    const ProjectPaths& p = s.paths;
    bool allowed = false;
    for (const std::string* folder : {&p.project, &p.frames, &p.framesData, &p.areas, &p.icons, &p.config,
                                      &p.temp, &p.schemes, &p.inventory, &p.external, &p.components}) {
        allowed = allowed || inside(native, *folder);
    }
    for (const auto& [letter, drive] : s.drives.drives())
        allowed = allowed || inside(native, drive.root);
    if (!allowed) return std::nullopt;
    return Confined{native, rewritten};
}

// A folder with its symbolic links resolved, for comparing with resolved files.
std::string resolvedFolder(const std::string& folder) {
    std::error_code ec;
    const fs::path resolved = fs::weakly_canonical(folder, ec);
    return ec ? std::string() : resolved.string();
}

// Where a file really is, links followed, must be inside the game's folder or a disc: a link
// that a downloaded game ships cannot lead the player to the user's other files.
bool resolvesInside(const ProjectContext& s, const fs::path& file) {
    std::error_code ec;
    const std::string real = fs::canonical(file, ec).string();
    if (ec) return false;
    if (inside(real, resolvedFolder(s.paths.project))) return true;
    for (const auto& [letter, drive] : s.drives.drives())
        if (inside(real, resolvedFolder(drive.root))) return true;
    return false;
}

// The file a path names, as it exists on disk; nullopt when there is none or the path may not
// be opened.
std::optional<std::string> existingFile(const ProjectContext& s, const std::string& path) {
    auto target = confine(s, path);
    if (!target) return std::nullopt;
    auto found = platform::FindPathNoCase(target->native);
    std::error_code ec;
    if (!found || !fs::is_regular_file(*found, ec) || !resolvesInside(s, *found)) return std::nullopt;
    return found->string();
}

bool fileExists(const ProjectContext& s, const std::string& path) {
    return existingFile(s, path).has_value();
}

// A missing candidate as it is handed back: unchanged when it can only mean what it says, its
// confined form when it climbs or holds a drive letter, and nothing when it leads outside.
std::string missingResult(const ProjectContext& s, const std::string& candidate) {
    auto target = confine(s, candidate);
    if (!target) return "";
    return target->rewritten ? target->native : candidate;
}

} // namespace

void EnsureDriveLetters(ProjectContext& s) {
    if (!s.drives.filled()) s.drives = platform::DriveTable::FromEnvironment();
}

namespace {

// The drive letter setting: its first character when that is a letter.
std::string driveSetting(const ProjectContext& s, const std::string& fallback) {
    std::string v = s.getUserSetting("DriveLetter", fallback);
    if (v.empty() || !isLetter(v[0])) return fallback;
    return v.substr(0, 1);
}

} // namespace

int NameKeyedTypeCode(int base, int a, int b, int c) {
    int factorA = checked16(base % 3 + 1);
    int factorC = checked16((base & 1) + 1);
    int sum = checked16(static_cast<long>(checked16(a)) * factorA);
    sum = checked16(static_cast<long>(sum) - checked16(b));
    sum = checked16(static_cast<long>(sum) + checked16(static_cast<long>(checked16(c)) * factorC));
    return checked16(static_cast<long>(checked16(base)) + checked16(std::labs(sum)));
}

std::string HiddenPath(const std::string& path, bool nameKeyed) {
    std::string_view name = fileNamePart(path);
    if (name.empty() || path.size() < 4) return path;
    // Characters are counted and coded as Windows-1252, the names' encoding on disk.
    std::string name1252 = platform::Utf8ToCp1252Lossy(platform::LowerCaseWin(name));
    if (name1252.size() < 5) return path;
    std::string extension = platform::LowerCaseWin(std::string_view(path).substr(path.size() - 4));
    const MediaType* type = nullptr;
    for (const MediaType& t : kMediaTypes) {
        if (extension == t.extension) type = &t;
    }
    if (!type) return path;
    int code = type->code;
    if (nameKeyed) {
        auto byte = [&](std::size_t i) { return static_cast<int>(static_cast<unsigned char>(name1252[i])); };
        code = NameKeyedTypeCode(type->code, byte(0), byte(1), byte(2));
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", code);
    return path.substr(0, path.size() - 4) + "." + digits;
}

bool IsCdProject(const ProjectContext& s) {
    return ProjectFileExists(s.paths.project + "RunFromCD.dat") &&
           ProjectFileExists(s.paths.config + "CDContents");
}

void ReadCdIndexFile(RecordReader& r, int& numberOfCds,
                     const std::function<void(const std::string& name, int cd, int kind)>& each) {
    for (int i = 0; i < 3; ++i)
        r.readVariant();
    numberOfCds = r.readInteger();
    for (int i = 0; i < 2; ++i)
        r.readVariant();
    while (!r.atEnd()) {
        const std::string name = r.readString();
        const int cd = r.readInteger();
        const int kind = r.readInteger();
        each(name, cd, kind);
    }
}

void LoadCdIndex(ProjectContext& s) {
    s.cdIndex = CdIndex{};
    if (!IsCdProject(s)) return;
    EnsureDriveLetters(s);
    try {
        RecordReader r = RecordReader::open(ExistingPath(s.paths.config + "CDContents"));
        ReadCdIndexFile(r, s.cdIndex.numberOfCds, [&](const std::string& name, int cd, int kind) {
            if (CdIndexKeeps(name, cd, kind, s.cdIndex.numberOfCds))
                s.cdIndex.entries.push_back({name, std::to_string(kind), cd});
        });
    } catch (const std::exception&) {
        s.showErrorBox(" Error loading CD index.");
    }
}

char DetectCdDrive(const ProjectContext& s) {
    char drive = 'd';
    for (char letter = 'A'; letter <= 'V'; ++letter) {
        if (s.drives.typeOf(letter) == platform::kDriveCdRom) drive = letter;
    }
    return drive;
}

std::string ProjectFiles::LocateOnCd(const std::string& path) {
    ProjectContext& s = m_project;
    if (!IsCdProject(s)) return path;
    EnsureDriveLetters(s);
    std::string drive = driveSetting(s, "");
    if (drive.empty()) {
        drive = std::string(1, DetectCdDrive(s));
        s.saveUserSetting("DriveLetter", drive);
    }
    const std::string& title = s.info.AdventureName;
    const std::string name(fileNamePart(path));

    try {
        std::string direct = HiddenPath(drive + ":\\Data\\" + title + "\\Frames\\" + name, true);
        if (auto found = existingFile(s, direct)) return *found;
    } catch (const std::overflow_error&) {
        // No such hidden name: go on with the index.
    }

    const CdIndexEntry* entry = nullptr;
    const std::string wanted = platform::ToNativeSeparators(path);
    for (const CdIndexEntry& e : s.cdIndex.entries) {
        const std::string& folder = e.folderKind == "1"   ? s.paths.frames
                                    : e.folderKind == "2" ? s.paths.areas
                                                          : "";
        if (platform::EqualsNoCase(platform::ToNativeSeparators(folder + e.name), wanted)) {
            entry = &e;
            break;
        }
    }
    std::string tail;
    try {
        if (!entry) return HiddenPath(path, true);
        if (entry->folderKind != "1" && entry->folderKind != "2") return path;
        tail = HiddenPath(":\\Data\\" + title + (entry->folderKind == "1" ? "\\Frames\\" : "\\Areas\\") +
                              entry->name,
                          true);
    } catch (const std::overflow_error&) {
        return path;
    }

    // Until the file is there: halt the game and ask for the CD. What runs is taken before the
    // first halt, since a later halt would find it already stopped.
    const int cdNumber = entry->cdNumber;
    std::function<void()> resume = m_game.RememberRunning();
    while (!fileExists(s, drive + tail) && !m_flags.Quitting) {
        // Under an open message box no input reaches a window, so the dialog could never be
        // answered: the file counts as missing instead.
        if (s.ui.modalOpen()) break;
        m_game.HaltGame();
        {
            RunFromCdWindow dialog(s, m_flags);
            dialog.load();
            dialog.setDriveText(drive + ":\\");
            dialog.setMessage(s.uiText[47] + std::to_string(cdNumber) + " " + s.uiText[48]);
            dialog.showModal();
        }
        if (m_flags.Quitting) {
            m_game.StopEverything();
            break;
        }
        drive = driveSetting(s, drive);
        if (fileExists(s, drive + tail)) {
            resume();
            break;
        }
        s.ui.messageBox(s.uiText[45] + "\r\n\r\n" + drive + tail + "\r\n\r\n" + s.uiText[46],
                        platform::kExclamation, s.info.AdventureName);
    }
    if (auto found = existingFile(s, drive + tail)) return *found;
    if (auto native = s.drives.toNative(drive + tail)) return *native;
    return drive + tail;
}

std::optional<std::string> ProjectFiles::FindProjectFile(const std::string& path) const {
    const ProjectContext& s = m_project;
    if (auto found = existingFile(s, path)) return found;
    if (platform::Utf8ToCp1252Lossy(path).size() < 5) return std::nullopt;
    try {
        if (auto found = existingFile(s, HiddenPath(path, true))) return found;
    } catch (const std::overflow_error&) {
        // An overflowing name-keyed code names no file.
    }
    return existingFile(s, HiddenPath(path, false));
}

// The lookup's candidates in order: the plain name, the hidden names, the right CD. `candidate`
// ends as the last one tried.
std::optional<std::string> ProjectFiles::lookUp(const std::string& path, std::string& candidate) {
    const ProjectContext& s = m_project;
    candidate = path;
    if (auto found = existingFile(s, path)) return found;
    if (platform::Utf8ToCp1252Lossy(path).size() < 5) return std::nullopt;
    try {
        candidate = HiddenPath(path, true);
        if (auto found = existingFile(s, candidate)) return found;
    } catch (const std::overflow_error&) {
        // An overflowing name-keyed code names no file; the other candidates still may.
    }
    candidate = HiddenPath(path, false);
    if (auto found = existingFile(s, candidate)) return found;
    candidate = LocateOnCd(path);
    return existingFile(s, candidate);
}

std::string ProjectFiles::ResolveProjectFile(const std::string& path) {
    ProjectContext& s = m_project;
    std::string candidate;
    if (auto found = lookUp(path, candidate)) return *found;
    if (!m_flags.Quitting) {
        s.ui.messageBox(s.uiText[33] + "\r\n" + candidate + "\r\n\r\n" + s.uiText[34], platform::kExclamation,
                        s.uiText[29]);
    }
    return missingResult(s, candidate);
}

std::optional<std::string> ProjectFiles::ResolveProjectFileQuietly(const std::string& path) {
    std::string candidate;
    return lookUp(path, candidate);
}

} // namespace run
