// INI files with Windows profile-string semantics: case-insensitive section and key names,
// first duplicate key wins, Windows-1252 on disk and UTF-8 in memory, comments preserved.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace run::platform {

class IniFile {
  public:
    // Never fails: lines that are neither a section header nor key=value are kept as they
    // are and otherwise ignored. Accepts CRLF and LF line ends.
    static IniFile parse(std::string_view bytes);
    // The value of a key straight from a file's bytes, as get() on the parsed file gives it.
    static std::optional<std::string> lookup(std::string_view bytes, std::string_view section,
                                             std::string_view key);

    // The trimmed value of the first `key` in the first section named `section` that has it.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Key names of a section in file order, first spelling of each duplicate only.
    std::vector<std::string> keys(std::string_view section) const;

    // Replaces the value of the key that get() would read, or adds the key after the last
    // key of the section, or appends a new section. Names and value are trimmed as the
    // reader would trim them. Throws std::invalid_argument for text the file cannot hold:
    // line breaks, ']' in a section name, '=' in a key, a key starting with ';' or '[',
    // an empty key, or a character without a Windows-1252 form.
    void set(std::string_view section, std::string_view key, std::string_view value);
    // Remove every occurrence; return whether anything was removed.
    bool removeKey(std::string_view section, std::string_view key);
    bool removeSection(std::string_view section);

    // Windows-1252 bytes, CRLF line ends; unchanged lines keep their original text.
    std::string serialize() const;

  private:
    struct Line {
        std::string raw; // the line as text (UTF-8), what serialize() writes
        std::string key; // empty for comments, blanks and other non-entries
        std::string value;
    };
    struct Section {
        std::string name;
        std::string header; // raw header line; empty for the lines before the first section
        bool hasHeader = false;
        std::vector<Line> lines;
    };

    const Line* findEntry(std::string_view section, std::string_view key) const;

    std::vector<Section> m_sections; // the first one holds lines before any header
};

// Classic profile-string reading: a missing file, section or key gives `defaultValue`.
// The result is cut to bufferSize - 1 characters, as the fixed-size buffer of the
// classic call cuts it (bufferSize 0 gives "").
std::string GetPrivateProfileString(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, std::string_view defaultValue,
                                    std::size_t bufferSize = 255);

// Sets one key and saves the file atomically, creating it (and its folder) when missing.
// Returns false when the value cannot be stored, the existing file cannot be read, or
// the write fails; the file on disk is then unchanged.
bool WritePrivateProfileString(const std::filesystem::path& file, std::string_view section,
                               std::string_view key, std::string_view value);

// Removes a key / a whole section and saves atomically. True when the file is in the
// requested state afterwards (including when there was nothing to remove).
bool DeletePrivateProfileKey(const std::filesystem::path& file, std::string_view section,
                             std::string_view key);
bool DeletePrivateProfileSection(const std::filesystem::path& file, std::string_view section);

} // namespace run::platform
