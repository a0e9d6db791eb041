// Per-user settings that stand in for the Windows registry: one INI file per user, where
// (appName, section) becomes the INI section "appName\section", e.g. [Software\MyGame].
#pragma once

#include "run/platform/files/IniFile.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace run::platform {

class SettingsStore {
  public:
    // Loads `file` once if it exists; a missing or unreadable file starts empty.
    explicit SettingsStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/run-player/settings.ini, or ~/.config/run-player/settings.ini.
    static std::filesystem::path DefaultFile();

    std::string get(std::string_view appName, std::string_view section, std::string_view key,
                    std::string_view defaultValue) const;

    // Stores the value and writes the whole file atomically at once, so a crash never
    // loses the other settings. Returns false (memory and disk unchanged) when the value
    // cannot be stored or the file cannot be written; lastError() then says why.
    bool save(std::string_view appName, std::string_view section, std::string_view key,
              std::string_view value);
    bool remove(std::string_view appName, std::string_view section, std::string_view key);

    const std::filesystem::path& file() const { return m_file; }
    const std::string& lastError() const { return m_lastError; }

  private:
    bool commit(IniFile updated);

    std::filesystem::path m_file;
    IniFile m_ini;
    std::string m_lastError;
};

} // namespace run::platform
