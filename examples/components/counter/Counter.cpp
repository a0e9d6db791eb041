// A sample component, "Counter.Sample": a counter a game places on a frame. It shows the
// interface's parts at work: properties (Count, Step, Caption, Interval, Paused), methods
// (Increment, Add, Reset, PauseComponent, ResumeComponent), an event with a parameter the game
// may change ("Changed": NewCount and Allow, both handed back), a timer of the container that
// counts on its own, and drawing into its element (one bar per count, in rows of ten).
// It includes only the component interface's header and links to nothing of the player.
#include "ComponentAbi.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>
#include <strings.h>

#define EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr const char* kProgId = "Counter.Sample";
int g_alive = 0;

struct Counter {
    pc_object base;
    int refs = 1;
    const pc_host* host = nullptr;
    pc_handle self = 0;
    std::int64_t count = 0, step = 1;
    std::string caption = "Counter";
    bool paused = false;
    std::int64_t interval = 0;
    pc_handle timer = 0;
};

bool is(const char* name, std::uint32_t length, const char* wanted) {
    return std::strlen(wanted) == length && strncasecmp(name, wanted, length) == 0;
}

Counter* of(pc_object* o) {
    return reinterpret_cast<Counter*>(o);
}

std::int64_t number(const pc_value& v) {
    return v.kind == PC_DOUBLE ? static_cast<std::int64_t>(v.v.d) : v.kind == PC_STRING ? 0 : v.v.i;
}

void changed(Counter* c, const char* property) {
    c->host->property_changed(c->host->context, c->self, property,
                              static_cast<std::uint32_t>(std::strlen(property)));
}

// Counts on by `by`: the game hears "Changed" first and may change the new count or refuse it.
void advance(Counter* c, std::int64_t by) {
    const pc_host* h = c->host;
    pc_handle params = h->params_new(h->context, 2);
    pc_value newCount{PC_INT, 0, {c->count + by}};
    pc_value allow{PC_BOOL, 0, {-1}};
    h->params_set(h->context, params, 0, &newCount);
    h->params_set(h->context, params, 1, &allow);
    h->raise_event(h->context, c->self, "Changed", 7, params);
    pc_value back{}, allowed{};
    const bool read = h->params_get(h->context, params, 0, &back) == PC_OK &&
                      h->params_get(h->context, params, 1, &allowed) == PC_OK;
    h->params_free(h->context, params);
    if (!read || (allowed.kind == PC_BOOL && allowed.v.i == 0)) return;
    c->count = number(back);
    changed(c, "Count");
}

void tick(void* data) {
    Counter* c = static_cast<Counter*>(data);
    if (!c->paused) advance(c, c->step);
}

void setTimer(Counter* c) {
    const pc_host* h = c->host;
    if (c->timer) h->timer_stop(h->context, c->timer);
    c->timer =
        c->interval > 0 ? h->timer_start(h->context, static_cast<std::uint32_t>(c->interval), &tick, c) : 0;
}

void addRef(pc_object* o) {
    ++of(o)->refs;
}

void release(pc_object* o) {
    Counter* c = of(o);
    if (--c->refs > 0) return;
    if (c->timer) c->host->timer_stop(c->host->context, c->timer);
    delete c;
    --g_alive;
}

int32_t getProperty(pc_object* o, const char* name, std::uint32_t n, pc_value* result) {
    Counter* c = of(o);
    const pc_host* h = c->host;
    if (!result) return PC_E_BAD_ARGUMENT;
    if (is(name, n, "Count"))
        h->value_set_int(h->context, result, c->count);
    else if (is(name, n, "Step"))
        h->value_set_int(h->context, result, c->step);
    else if (is(name, n, "Interval"))
        h->value_set_int(h->context, result, c->interval);
    else if (is(name, n, "Paused"))
        h->value_set_bool(h->context, result, c->paused);
    else if (is(name, n, "Caption"))
        h->value_set_string(h->context, result, c->caption.data(),
                            static_cast<std::uint32_t>(c->caption.size()));
    else
        return PC_E_NOT_FOUND;
    return PC_OK;
}

int32_t setProperty(pc_object* o, const char* name, std::uint32_t n, const pc_value* value) {
    Counter* c = of(o);
    if (!value) return PC_E_BAD_ARGUMENT;
    if (is(name, n, "Count")) {
        c->count = number(*value);
    } else if (is(name, n, "Step")) {
        c->step = number(*value);
    } else if (is(name, n, "Interval")) {
        c->interval = number(*value);
        setTimer(c);
    } else if (is(name, n, "Caption")) {
        if (value->kind != PC_STRING) return PC_E_BAD_ARGUMENT;
        c->caption.assign(value->v.s, value->n);
    } else {
        return PC_E_NOT_FOUND;
    }
    changed(c, std::string(name, n).c_str());
    return PC_OK;
}

int32_t callMethod(pc_object* o, const char* name, std::uint32_t n, const pc_value* args, std::uint32_t argc,
                   pc_value* result) {
    Counter* c = of(o);
    const pc_host* h = c->host;
    if (is(name, n, "Increment") && argc == 0) {
        advance(c, c->step);
    } else if (is(name, n, "Add") && argc == 1) {
        advance(c, number(args[0]));
    } else if (is(name, n, "Reset") && argc == 0) {
        c->count = 0;
        changed(c, "Count");
    } else if (is(name, n, "PauseComponent") && argc == 0) {
        c->paused = true;
    } else if (is(name, n, "ResumeComponent") && argc == 0) {
        c->paused = false;
    } else if (is(name, n, "Fail") && argc == 0) {
        const char* why = "The counter was asked to fail.";
        h->error_set(h->context, why, static_cast<std::uint32_t>(std::strlen(why)));
        return PC_E_FAILED;
    } else if (is(name, n, "Increment") || is(name, n, "Add") || is(name, n, "Reset")) {
        return PC_E_BAD_ARGUMENT;
    } else {
        return PC_E_NOT_FOUND;
    }
    if (result) h->value_set_int(h->context, result, c->count);
    return PC_OK;
}

// One bar per count (up to 100), ten to a row, on a dark ground.
int32_t draw(pc_object* o, std::uint32_t* pixels, int32_t width, int32_t height, int32_t stride) {
    Counter* c = of(o);
    if (!pixels || width <= 0 || height <= 0 || stride < width) return PC_E_BAD_ARGUMENT;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            pixels[std::size_t(y) * std::size_t(stride) + std::size_t(x)] = 0xFF202830u;
    const std::int64_t bars = c->count < 0 ? 0 : c->count > 100 ? 100 : c->count;
    const int32_t cellW = width / 10, cellH = height / 10;
    for (std::int64_t b = 0; b < bars; ++b) {
        const int32_t x0 = static_cast<int32_t>(b % 10) * cellW, y0 = static_cast<int32_t>(b / 10) * cellH;
        for (int32_t y = y0 + 1; y < y0 + cellH - 1 && y < height; ++y)
            for (int32_t x = x0 + 1; x < x0 + cellW - 1 && x < width; ++x)
                pixels[std::size_t(y) * std::size_t(stride) + std::size_t(x)] = 0xFF40D070u;
    }
    return PC_OK;
}

const pc_object_vtbl kTable{sizeof(pc_object_vtbl), &addRef,     &release, &getProperty,
                            &setProperty,           &callMethod, &draw,    nullptr};

} // namespace

EXPORT uint32_t PlayerComponentAbiVersion(void) {
    return PC_ABI_VERSION;
}

EXPORT int32_t DllRegisterServer(const pc_registrar* r) {
    if (!r || r->size < sizeof(pc_registrar)) return PC_E_BAD_ARGUMENT;
    return r->register_prog_id(r->context, kProgId, static_cast<std::uint32_t>(std::strlen(kProgId)));
}

EXPORT int32_t DllUnregisterServer(const pc_registrar* r) {
    return DllRegisterServer(r);
}

EXPORT int32_t DllGetClassObject(const char* progId, uint32_t length, const pc_host* host,
                                 pc_handle container, pc_object** created) {
    // The counter uses only what the interface's first version offers.
    if (!created || !host || host->size < offsetof(pc_host, message_box)) return PC_E_BAD_ARGUMENT;
    *created = nullptr;
    if (!progId || !is(progId, length, kProgId)) return PC_E_NOT_FOUND;
    Counter* c = new (std::nothrow) Counter();
    if (!c) return PC_E_FAILED;
    c->base.vtbl = &kTable;
    c->host = host;
    c->self = container;
    ++g_alive;
    *created = &c->base;
    return PC_OK;
}

EXPORT int32_t DllCanUnloadNow(void) {
    return g_alive == 0 ? PC_OK : PC_E_FAILED;
}
