#include "run/platform/components/ComponentLibrary.h"

#include <dlfcn.h>

#include <cstring>
#include <fstream>
#include <future>
#include <mutex>
#include <thread>

namespace run::platform {

namespace {

// What the first bytes say the file is.
enum class FileKind { Missing, Elf, Windows, Other };

FileKind kindOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return FileKind::Missing;
    char head[4] = {};
    in.read(head, sizeof head);
    if (in.gcount() >= 4 && std::memcmp(head,
                                        "\x7F"
                                        "ELF",
                                        4) == 0)
        return FileKind::Elf;
    if (in.gcount() >= 2 && head[0] == 'M' && head[1] == 'Z') return FileKind::Windows;
    return FileKind::Other;
}

} // namespace

bool IsWindowsComponentFile(const std::filesystem::path& file) {
    return kindOf(file) == FileKind::Windows;
}

namespace {

template <typename Fn> Fn entry(void* handle, const char* name) {
    return reinterpret_cast<Fn>(dlsym(handle, name));
}

// The ProgIDs an entry names, collected from its thread; the registrar's context numbers it.
struct Registration {
    std::mutex lock;
    std::vector<std::string> progIds;
    pc_registrar registrar{};
};

std::mutex g_registrationsLock;
std::vector<std::pair<pc_handle, std::shared_ptr<Registration>>> g_registrations;
pc_handle g_nextRegistration = 1;

int32_t registerProgId(pc_handle context, const char* progId, uint32_t length) {
    std::shared_ptr<Registration> r;
    {
        std::lock_guard guard(g_registrationsLock);
        for (auto& [handle, registration] : g_registrations)
            if (handle == context) r = registration;
    }
    if (!r) return PC_E_BAD_HANDLE;
    if (!progId || length == 0 || length > 255) return PC_E_BAD_ARGUMENT;
    std::lock_guard guard(r->lock);
    if (r->progIds.size() >= 1000) return PC_E_FAILED;
    r->progIds.emplace_back(progId, length);
    return PC_OK;
}

} // namespace

std::shared_ptr<ComponentLibrary> ComponentLibrary::open(const std::filesystem::path& file,
                                                         std::string& error) {
    switch (kindOf(file)) {
    case FileKind::Missing:
        error = "The component file " + file.string() + " cannot be found.";
        return nullptr;
    case FileKind::Windows:
        error = "The component file " + file.string() +
                " is a Windows component, and a Windows component "
                "cannot run on this system.";
        return nullptr;
    case FileKind::Other:
        error = "The file " + file.string() + " is not a component library.";
        return nullptr;
    case FileKind::Elf:
        break;
    }
    std::shared_ptr<ComponentLibrary> lib(new ComponentLibrary());
    lib->m_file = file;
    lib->m_handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib->m_handle) {
        const char* why = dlerror();
        error =
            "The component library " + file.string() + " cannot be loaded: " + (why ? why : "unknown reason");
        return nullptr;
    }
    auto version = entry<pc_abi_version_fn>(lib->m_handle, "PlayerComponentAbiVersion");
    if (!version) {
        error = "The library " + file.string() +
                " is not a component of this player (it has no "
                "PlayerComponentAbiVersion entry).";
        return nullptr;
    }
    lib->m_version = version();
    if ((lib->m_version >> 16) != PC_ABI_MAJOR) {
        error = "The component " + file.string() + " was made for version " +
                std::to_string(lib->m_version >> 16) +
                " of the component interface; this player supports version " + std::to_string(PC_ABI_MAJOR) +
                ".";
        return nullptr;
    }
    lib->m_register = entry<pc_register_fn>(lib->m_handle, "DllRegisterServer");
    lib->m_unregister = entry<pc_register_fn>(lib->m_handle, "DllUnregisterServer");
    lib->m_classObject = entry<pc_get_class_object_fn>(lib->m_handle, "DllGetClassObject");
    lib->m_canUnload = entry<pc_can_unload_fn>(lib->m_handle, "DllCanUnloadNow");
    return lib;
}

ComponentLibrary::~ComponentLibrary() {
    if (m_handle && !m_pinned) dlclose(m_handle);
}

RegistrationResult RunRegistrationEntry(const std::filesystem::path& file, bool unregister,
                                        std::chrono::milliseconds limit) {
    RegistrationResult result;
    std::shared_ptr<ComponentLibrary> lib = ComponentLibrary::open(file, result.error);
    if (!lib) return result;
    pc_register_fn run = unregister ? lib->unregisterEntry() : lib->registerEntry();
    if (!run) {
        result.error = std::string("The component has no ") +
                       (unregister ? "DllUnregisterServer" : "DllRegisterServer") + " entry.";
        return result;
    }
    auto registration = std::make_shared<Registration>();
    {
        std::lock_guard guard(g_registrationsLock);
        registration->registrar = pc_registrar{sizeof(pc_registrar), g_nextRegistration++, &registerProgId};
        g_registrations.emplace_back(registration->registrar.context, registration);
    }
    auto done = std::make_shared<std::promise<int32_t>>();
    std::future<int32_t> answer = done->get_future();
    // The thread holds the library and the registration, so both outlive an entry that hangs.
    std::thread worker([lib, run, registration, done] { done->set_value(run(&registration->registrar)); });
    const bool finished = answer.wait_for(limit) == std::future_status::ready;
    if (finished) {
        worker.join();
    } else {
        lib->pin();
        worker.detach();
    }
    {
        std::lock_guard guard(g_registrationsLock);
        std::erase_if(g_registrations, [&](const auto& e) { return e.second == registration; });
    }
    if (!finished) {
        result.error =
            "The component's registration did not finish within " + std::to_string(limit.count()) + " ms.";
        return result;
    }
    const int32_t rc = answer.get();
    if (rc != PC_OK) {
        result.error = "The component's registration failed (error " + std::to_string(rc) + ").";
        return result;
    }
    std::lock_guard guard(registration->lock);
    result.progIds = registration->progIds;
    result.ok = true;
    return result;
}

} // namespace run::platform
