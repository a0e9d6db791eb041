#include "run/platform/components/ComponentRegistry.h"

#include "run/platform/files/AtomicFile.h"

#include <exception>

namespace run::platform {

namespace {
constexpr const char* kSection = "ProgIDs";
} // namespace

ComponentRegistry::ComponentRegistry(std::filesystem::path file) : m_file(std::move(file)) {
    if (auto bytes = ReadWholeFile(m_file)) m_ini = IniFile::parse(*bytes);
}

std::optional<std::filesystem::path> ComponentRegistry::find(const std::string& progId) const {
    auto path = m_ini.get(kSection, progId);
    if (!path || path->empty()) return std::nullopt;
    return std::filesystem::path(*path);
}

std::string ComponentRegistry::gameAllowed(const std::string& gameFolder) const {
    return m_ini.get("Games", gameFolder).value_or("");
}

std::string ComponentRegistry::setGameAllowed(const std::string& gameFolder, bool allowed) {
    try {
        m_ini.set("Games", gameFolder, allowed ? "1" : "0");
    } catch (const std::exception& e) {
        return std::string("The answer cannot be recorded: ") + e.what();
    }
    return WriteFileAtomically(m_file, m_ini.serialize());
}

std::vector<std::string> ComponentRegistry::progIds() const {
    return m_ini.keys(kSection);
}

std::string ComponentRegistry::record(const std::vector<std::string>& progIds,
                                      const std::filesystem::path& library, bool unregister) {
    try {
        for (const std::string& id : progIds) {
            if (unregister)
                m_ini.removeKey(kSection, id);
            else
                m_ini.set(kSection, id, library.string());
        }
    } catch (const std::exception& e) {
        return std::string("A component name cannot be recorded: ") + e.what();
    }
    return WriteFileAtomically(m_file, m_ini.serialize());
}

} // namespace run::platform
