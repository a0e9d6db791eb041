// The per-user component registry: which library file creates each ProgID. It lives beside the
// player's settings (components.ini, section [ProgIDs]: ProgID=path), written atomically; ProgIDs
// compare without regard to letter case.
#pragma once

#include "run/platform/files/IniFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace run::platform {

class ComponentRegistry {
  public:
    explicit ComponentRegistry(std::filesystem::path file);

    const std::filesystem::path& file() const { return m_file; }
    // The library registered for a ProgID.
    std::optional<std::filesystem::path> find(const std::string& progId) const;
    std::vector<std::string> progIds() const;
    // Records the ProgIDs for a library (or, `unregister`, forgets those it names) and saves the
    // file; "" or the reason it could not be saved.
    std::string record(const std::vector<std::string>& progIds, const std::filesystem::path& library,
                       bool unregister = false);

    // Whether the player may register a game's own components ("1" yes, "0" no, "" not asked),
    // by the game's folder.
    std::string gameAllowed(const std::string& gameFolder) const;
    std::string setGameAllowed(const std::string& gameFolder, bool allowed);

  private:
    std::filesystem::path m_file;
    IniFile m_ini;
};

} // namespace run::platform
