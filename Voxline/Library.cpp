// The library's exports: registration of "Voxline.MainControl", creation by ProgID, and the
// object table through which the host reaches the control. It includes only the component
// interface's header and links to nothing of the player.
#include "MainControl.h"

#include <cstddef>
#include <new>
#include <string>
#include <strings.h>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr const char* kProgId = "Voxline.MainControl";
voxline::MainControl* of(pc_object* o) {
    return voxline::MainControl::from(o);
}

std::string nameOf(const char* name, std::uint32_t length) {
    return name ? std::string(name, length) : std::string();
}

void addRef(pc_object* o) {
    of(o)->addRef();
}
void release(pc_object* o) {
    voxline::MainControl* c = of(o);
    c->release();
}
int32_t getProperty(pc_object* o, const char* name, std::uint32_t length, pc_value* result) {
    return of(o)->getProperty(nameOf(name, length), result);
}
int32_t setProperty(pc_object* o, const char* name, std::uint32_t length, const pc_value* value) {
    if (!value) return PC_E_BAD_ARGUMENT;
    return of(o)->setProperty(nameOf(name, length), *value);
}
int32_t callMethod(pc_object* o, const char* name, std::uint32_t length, const pc_value* args,
                   std::uint32_t count, pc_value* result) {
    return of(o)->callMethod(nameOf(name, length), args, count, result);
}
int32_t describe(pc_object* o, pc_value* result) {
    return of(o)->describe(result);
}

int32_t draw(pc_object*, uint32_t*, int32_t, int32_t, int32_t) {
    return PC_E_FAILED; // nothing to show: the control is invisible
}

const pc_object_vtbl kTable{sizeof(pc_object_vtbl), &addRef,     &release, &getProperty,
                            &setProperty,           &callMethod, &draw,    &describe};

} // namespace

EXPORT uint32_t PlayerComponentAbiVersion(void) {
    return PC_ABI_VERSION;
}

EXPORT int32_t DllRegisterServer(const pc_registrar* r) {
    if (!r || r->size < sizeof(pc_registrar)) return PC_E_BAD_ARGUMENT;
    return r->register_prog_id(r->context, kProgId,
                               static_cast<std::uint32_t>(std::char_traits<char>::length(kProgId)));
}

EXPORT int32_t DllUnregisterServer(const pc_registrar* r) {
    return r && r->size >= sizeof(pc_registrar) ? PC_OK : PC_E_BAD_ARGUMENT;
}

EXPORT int32_t DllGetClassObject(const char* progId, std::uint32_t length, const pc_host* host,
                                 pc_handle container, pc_object** created) {
    // The control needs the container's message boxes, file lookup and player events.
    if (!created || !host || host->size < sizeof(pc_host)) return PC_E_BAD_ARGUMENT;
    if (!progId || length != std::char_traits<char>::length(kProgId) ||
        strncasecmp(progId, kProgId, length) != 0)
        return PC_E_NOT_FOUND;
    voxline::MainControl* c = new (std::nothrow) voxline::MainControl(*host, container, &kTable);
    if (!c) return PC_E_FAILED;
    *created = c->object();
    return PC_OK;
}

EXPORT int32_t DllCanUnloadNow(void) {
    return voxline::MainControl::alive() == 0 ? PC_OK : PC_E_FAILED;
}
