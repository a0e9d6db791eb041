// Component libraries the tests load: built once per variant, each exporting what its name says.
#include "ComponentAbi.h"

#include <chrono>
#include <cstring>
#include <thread>

extern "C" {

__attribute__((visibility("default"))) uint32_t PlayerComponentAbiVersion(void) {
#ifdef VARIANT_future
    return (2u << 16) | 0u;
#else
    return PC_ABI_VERSION;
#endif
}

#ifndef VARIANT_bare
static int32_t name(const pc_registrar* r, const char* progId) {
    return r->register_prog_id(r->context, progId, static_cast<uint32_t>(std::strlen(progId)));
}

__attribute__((visibility("default"))) int32_t DllRegisterServer(const pc_registrar* r) {
#ifdef VARIANT_hanging
    std::this_thread::sleep_for(std::chrono::seconds(2));
#endif
    if (!r || r->size < sizeof(pc_registrar)) return PC_E_BAD_ARGUMENT;
    int32_t rc = name(r, "Test.Counter");
    return rc != PC_OK ? rc : name(r, "Test.Other");
}

__attribute__((visibility("default"))) int32_t DllUnregisterServer(const pc_registrar* r) {
    return name(r, "Test.Other");
}
#endif
}
