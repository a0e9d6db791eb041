// A component file opened for use: an ELF shared library that exports the component
// interface's entry points (run/components/ComponentAbi.h) for this major version. Windows
// component files and anything else are recognised and refused with a clear reason; they never
// reach the system's loader.
#pragma once

#include "run/components/ComponentAbi.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace run::platform {

class ComponentLibrary {
  public:
    // The library, or null with the reason in `error`.
    static std::shared_ptr<ComponentLibrary> open(const std::filesystem::path& file, std::string& error);
    ~ComponentLibrary();
    ComponentLibrary(const ComponentLibrary&) = delete;
    ComponentLibrary& operator=(const ComponentLibrary&) = delete;

    const std::filesystem::path& file() const { return m_file; }
    std::uint32_t abiVersion() const { return m_version; }
    // The entry points; null when the library lacks one.
    pc_register_fn registerEntry() const { return m_register; }
    pc_register_fn unregisterEntry() const { return m_unregister; }
    pc_get_class_object_fn classObjectEntry() const { return m_classObject; }
    pc_can_unload_fn canUnloadEntry() const { return m_canUnload; }
    // Keeps the library mapped for the rest of the run: its code may still be running.
    void pin() { m_pinned = true; }

  private:
    ComponentLibrary() = default;
    std::filesystem::path m_file;
    void* m_handle = nullptr;
    std::uint32_t m_version = 0;
    pc_register_fn m_register = nullptr;
    pc_register_fn m_unregister = nullptr;
    pc_get_class_object_fn m_classObject = nullptr;
    pc_can_unload_fn m_canUnload = nullptr;
    bool m_pinned = false;
};

// Whether the file is a Windows component (a PE image), told by its first bytes alone: the file
// is never handed to the loader, so none of its code runs.
bool IsWindowsComponentFile(const std::filesystem::path& file);

// What a registration entry did: whether it finished in time and succeeded, and the ProgIDs it
// named.
struct RegistrationResult {
    bool ok = false;
    std::vector<std::string> progIds;
    std::string error; // why it failed
};

// Runs a library's DllRegisterServer (or DllUnregisterServer) on a thread of its own and waits
// for it at most `limit`. An entry still running then is left to finish on its own: its thread
// is detached and the library stays mapped for the rest of the run, and the answer is a failure.
RegistrationResult RunRegistrationEntry(const std::filesystem::path& file, bool unregister,
                                        std::chrono::milliseconds limit = std::chrono::seconds(10));

} // namespace run::platform
