#include "run/platform/files/IniFile.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>

namespace run::platform {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

void require(bool ok, const char* what, std::string_view text) {
    if (!ok)
        throw std::invalid_argument(std::string("INI file cannot hold ") + what + ": '" + std::string(text) +
                                    "'");
}

// Cuts to at most `count` UTF-8 characters.
std::string truncateChars(std::string_view s, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < s.size() && n < count; ++n) {
        ++i;
        while (i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
            ++i;
    }
    return std::string(s.substr(0, i));
}

// Loads the current file for a read-modify-write; a missing file is an empty one.
std::optional<IniFile> loadForUpdate(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return ec ? std::nullopt : std::optional<IniFile>(IniFile());
    auto bytes = ReadWholeFile(file);
    if (!bytes) return std::nullopt;
    return IniFile::parse(*bytes);
}

} // namespace

namespace {

// One line of an INI file as stored (Windows-1252): a section header, a key line or anything else.
struct RawLine {
    std::string_view text; // without its line end
    bool header = false;
    std::string_view name, key, value; // header: name; key line: key and value (trimmed)
};

template <class Visit> void forEachLine(std::string_view bytes, Visit&& visit) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        RawLine line;
        line.text = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.text.empty() && line.text.back() == '\r') line.text.remove_suffix(1);
        const std::string_view body = trim(line.text);
        if (!body.empty() && body.front() == '[') {
            const std::size_t close = body.find(']');
            line.header = true;
            line.name = trim(body.substr(1, close == std::string_view::npos ? body.npos : close - 1));
        } else if (const std::size_t eq = body.find('=');
                   !body.empty() && body.front() != ';' && eq != std::string_view::npos) {
            line.key = trim(body.substr(0, eq));
            if (!line.key.empty()) line.value = trim(body.substr(eq + 1));
        }
        if (!visit(line)) return;
    }
}

} // namespace

IniFile IniFile::parse(std::string_view bytes) {
    IniFile ini;
    ini.m_sections.emplace_back();
    forEachLine(bytes, [&](const RawLine& raw) {
        if (raw.header) {
            Section section;
            section.name = Cp1252ToUtf8(raw.name);
            section.header = Cp1252ToUtf8(raw.text);
            section.hasHeader = true;
            ini.m_sections.push_back(std::move(section));
            return true;
        }
        Line line;
        line.raw = Cp1252ToUtf8(raw.text);
        if (!raw.key.empty()) {
            line.key = Cp1252ToUtf8(raw.key);
            line.value = Cp1252ToUtf8(raw.value);
        }
        ini.m_sections.back().lines.push_back(std::move(line));
        return true;
    });
    return ini;
}

std::optional<std::string> IniFile::lookup(std::string_view bytes, std::string_view section,
                                           std::string_view key) {
    // The file is walked once and only what may match is converted, so a huge file costs one
    // pass and no copy of itself.
    section = trim(section);
    key = trim(key);
    bool inSection = false;
    std::optional<std::string> found;
    forEachLine(bytes, [&](const RawLine& raw) {
        if (raw.header) {
            inSection = EqualsNoCase(Cp1252ToUtf8(raw.name), section);
        } else if (inSection && !raw.key.empty() && raw.key.size() <= key.size() * 4 + 4 &&
                   EqualsNoCase(Cp1252ToUtf8(raw.key), key)) {
            found = Cp1252ToUtf8(raw.value);
            return false;
        }
        return true;
    });
    return found;
}

const IniFile::Line* IniFile::findEntry(std::string_view section, std::string_view key) const {
    for (const Section& s : m_sections) {
        if (!s.hasHeader || !EqualsNoCase(s.name, section)) continue;
        for (const Line& l : s.lines)
            if (!l.key.empty() && EqualsNoCase(l.key, key)) return &l;
    }
    return nullptr;
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    if (const Line* l = findEntry(trim(section), trim(key))) return l->value;
    return std::nullopt;
}

bool IniFile::hasSection(std::string_view section) const {
    section = trim(section);
    return std::any_of(m_sections.begin(), m_sections.end(),
                       [&](const Section& s) { return s.hasHeader && EqualsNoCase(s.name, section); });
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    section = trim(section);
    std::vector<std::string> out;
    for (const Section& s : m_sections) {
        if (!s.hasHeader || !EqualsNoCase(s.name, section)) continue;
        for (const Line& l : s.lines) {
            if (l.key.empty()) continue;
            if (std::none_of(out.begin(), out.end(),
                             [&](const std::string& k) { return EqualsNoCase(k, l.key); }))
                out.push_back(l.key);
        }
    }
    return out;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    section = trim(section);
    key = trim(key);
    value = trim(value);
    require(!hasLineBreak(section) && section.find(']') == std::string_view::npos, "this section name",
            section);
    require(!key.empty() && !hasLineBreak(key) && key.find('=') == std::string_view::npos &&
                key.front() != ';' && key.front() != '[',
            "this key name", key);
    require(!hasLineBreak(value), "a line break in a value", value);
    require(IsCp1252Representable(section), "a character without a Windows-1252 form in", section);
    require(IsCp1252Representable(key), "a character without a Windows-1252 form in", key);
    require(IsCp1252Representable(value), "a character without a Windows-1252 form in", value);

    if (const Line* found = findEntry(section, key)) {
        Line& l = const_cast<Line&>(*found);
        l.value = std::string(value);
        l.raw = l.key + "=" + l.value;
        return;
    }
    Line line{std::string(key) + "=" + std::string(value), std::string(key), std::string(value)};
    for (Section& s : m_sections) {
        if (!s.hasHeader || !EqualsNoCase(s.name, section)) continue;
        // After the last key, so trailing blank lines and comments stay at the end.
        auto last =
            std::find_if(s.lines.rbegin(), s.lines.rend(), [](const Line& l) { return !l.key.empty(); });
        s.lines.insert(last.base(), std::move(line));
        return;
    }
    Section s;
    s.name = std::string(section);
    s.header = "[" + s.name + "]";
    s.hasHeader = true;
    s.lines.push_back(std::move(line));
    m_sections.push_back(std::move(s));
}

bool IniFile::removeKey(std::string_view section, std::string_view key) {
    section = trim(section);
    key = trim(key);
    bool removed = false;
    for (Section& s : m_sections) {
        if (!s.hasHeader || !EqualsNoCase(s.name, section)) continue;
        const auto before = s.lines.size();
        std::erase_if(s.lines, [&](const Line& l) { return !l.key.empty() && EqualsNoCase(l.key, key); });
        removed |= s.lines.size() != before;
    }
    return removed;
}

bool IniFile::removeSection(std::string_view section) {
    section = trim(section);
    return std::erase_if(m_sections,
                         [&](const Section& s) { return s.hasHeader && EqualsNoCase(s.name, section); }) > 0;
}

std::string IniFile::serialize() const {
    std::string text;
    for (const Section& s : m_sections) {
        if (s.hasHeader) text.append(s.header).append("\r\n");
        for (const Line& l : s.lines)
            text.append(l.raw).append("\r\n");
    }
    return Utf8ToCp1252Lossy(text);
}

std::string GetPrivateProfileString(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, std::string_view defaultValue,
                                    std::size_t bufferSize) {
    if (bufferSize == 0) return {};
    std::optional<std::string> value;
    if (auto bytes = ReadWholeFile(file)) value = IniFile::lookup(*bytes, section, key);
    return truncateChars(value ? *value : defaultValue, bufferSize - 1);
}

bool WritePrivateProfileString(const std::filesystem::path& file, std::string_view section,
                               std::string_view key, std::string_view value) {
    auto ini = loadForUpdate(file);
    if (!ini) return false;
    try {
        ini->set(section, key, value);
    } catch (const std::invalid_argument&) {
        return false;
    }
    return WriteFileAtomically(file, ini->serialize()).empty();
}

bool DeletePrivateProfileKey(const std::filesystem::path& file, std::string_view section,
                             std::string_view key) {
    auto ini = loadForUpdate(file);
    if (!ini) return false;
    if (!ini->removeKey(section, key)) return true;
    return WriteFileAtomically(file, ini->serialize()).empty();
}

bool DeletePrivateProfileSection(const std::filesystem::path& file, std::string_view section) {
    auto ini = loadForUpdate(file);
    if (!ini) return false;
    if (!ini->removeSection(section)) return true;
    return WriteFileAtomically(file, ini->serialize()).empty();
}

} // namespace run::platform
