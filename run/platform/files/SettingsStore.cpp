#include "run/platform/files/SettingsStore.h"

#include "run/platform/files/AtomicFile.h"

#include <cstdlib>
#include <stdexcept>

#include <pwd.h>
#include <unistd.h>

namespace run::platform {
namespace {

std::string sectionName(std::string_view appName, std::string_view section) {
    std::string name(appName);
    name += '\\';
    name += section;
    return name;
}

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir) return pw->pw_dir;
    return ".";
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path file) : m_file(std::move(file)) {
    if (auto bytes = ReadWholeFile(m_file)) m_ini = IniFile::parse(*bytes);
}

std::filesystem::path SettingsStore::DefaultFile() {
    std::filesystem::path base;
    // The XDG rules say a relative value is to be ignored.
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else
        base = homeFolder() / ".config";
    return base / "run-player" / "settings.ini";
}

std::string SettingsStore::get(std::string_view appName, std::string_view section, std::string_view key,
                               std::string_view defaultValue) const {
    auto value = m_ini.get(sectionName(appName, section), key);
    return value ? *value : std::string(defaultValue);
}

bool SettingsStore::save(std::string_view appName, std::string_view section, std::string_view key,
                         std::string_view value) {
    IniFile updated = m_ini;
    try {
        updated.set(sectionName(appName, section), key, value);
    } catch (const std::invalid_argument& e) {
        m_lastError = e.what();
        return false;
    }
    return commit(std::move(updated));
}

bool SettingsStore::remove(std::string_view appName, std::string_view section, std::string_view key) {
    IniFile updated = m_ini;
    if (!updated.removeKey(sectionName(appName, section), key)) return true;
    return commit(std::move(updated));
}

bool SettingsStore::commit(IniFile updated) {
    std::string error = WriteFileAtomically(m_file, updated.serialize());
    if (!error.empty()) {
        m_lastError = std::move(error);
        return false;
    }
    m_ini = std::move(updated);
    m_lastError.clear();
    return true;
}

} // namespace run::platform
