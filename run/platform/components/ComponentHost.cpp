#include "run/platform/components/ComponentHost.h"

#include "run/platform/media/MediaPlayer.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <filesystem>

namespace run::platform {

namespace {

constexpr std::uint32_t kMaxParams = 1024;
constexpr std::uint32_t kMaxName = 1024;

std::map<pc_handle, ComponentHost*>& hosts() {
    static std::map<pc_handle, ComponentHost*> all;
    return all;
}
pc_handle g_nextContext = 1;

std::string textOf(const char* utf8, std::uint32_t length, std::uint32_t limit = 1u << 24) {
    if (!utf8) return {};
    return std::string(utf8, std::min(length, limit));
}

} // namespace

// The table's functions: each finds its host by the context handle and checks what it is given.
struct HostCallbacks {
    static ComponentHost* host(pc_handle context) { return ComponentHost::fromContext(context); }

    static void setEmpty(pc_handle, pc_value* out) {
        if (out) *out = pc_value{PC_EMPTY, 0, {0}};
    }
    static void setBool(pc_handle, pc_value* out, int32_t truth) {
        if (out) *out = pc_value{PC_BOOL, 0, {truth ? -1 : 0}};
    }
    static void setInt(pc_handle, pc_value* out, int64_t n) {
        if (out) *out = pc_value{PC_INT, 0, {n}};
    }
    static void setDouble(pc_handle, pc_value* out, double d) {
        if (!out) return;
        *out = pc_value{PC_DOUBLE, 0, {0}};
        out->v.d = d;
    }
    static void setString(pc_handle context, pc_value* out, const char* utf8, uint32_t length) {
        ComponentHost* h = host(context);
        if (!out || !h) return;
        *out = h->toC(ComponentValue::text(textOf(utf8, length)));
    }
    static void setError(pc_handle context, const char* utf8, uint32_t length) {
        if (ComponentHost* h = host(context)) h->m_lastError = textOf(utf8, length, 4096);
    }

    static pc_handle paramsNew(pc_handle context, uint32_t count) {
        ComponentHost* h = host(context);
        if (!h || count > kMaxParams) return 0;
        const pc_handle id = h->m_nextHandle++;
        h->m_params[id].resize(count);
        return id;
    }
    static int32_t paramsSet(pc_handle context, pc_handle params, uint32_t index, const pc_value* value) {
        ComponentHost* h = host(context);
        if (!h || !value) return PC_E_BAD_ARGUMENT;
        auto it = h->m_params.find(params);
        if (it == h->m_params.end()) return PC_E_BAD_HANDLE;
        if (index >= it->second.size()) return PC_E_BAD_ARGUMENT;
        it->second[index] = ComponentHost::fromC(*value);
        return PC_OK;
    }
    static int32_t paramsGet(pc_handle context, pc_handle params, uint32_t index, pc_value* out) {
        ComponentHost* h = host(context);
        if (!h || !out) return PC_E_BAD_ARGUMENT;
        auto it = h->m_params.find(params);
        if (it == h->m_params.end()) return PC_E_BAD_HANDLE;
        if (index >= it->second.size()) return PC_E_BAD_ARGUMENT;
        *out = h->toC(it->second[index]);
        return PC_OK;
    }
    static void paramsFree(pc_handle context, pc_handle params) {
        if (ComponentHost* h = host(context)) h->m_params.erase(params);
    }
    static int32_t raiseEvent(pc_handle context, pc_handle source, const char* name, uint32_t length,
                              pc_handle params) {
        ComponentHost* h = host(context);
        if (!h || !name || length == 0 || length > kMaxName) return PC_E_BAD_ARGUMENT;
        std::vector<ComponentValue> values;
        if (params != 0) {
            auto it = h->m_params.find(params);
            if (it == h->m_params.end()) return PC_E_BAD_HANDLE;
            values = it->second;
        }
        if (h->m_services.event) h->m_services.event(source, textOf(name, length), values);
        // The handler's changes come back to the component: by-reference parameters.
        if (params != 0) {
            auto it = h->m_params.find(params);
            if (it != h->m_params.end()) it->second = std::move(values);
        }
        return PC_OK;
    }
    static void propertyChanged(pc_handle context, pc_handle source, const char* name, uint32_t length) {
        ComponentHost* h = host(context);
        if (h && name && length <= kMaxName && h->m_services.propertyChanged)
            h->m_services.propertyChanged(source, textOf(name, length));
    }
    static pc_handle timerStart(pc_handle context, uint32_t intervalMs, void (*tick)(void*), void* data) {
        ComponentHost* h = host(context);
        if (!h || !tick || !h->m_services.startTimer) return 0;
        const pc_handle id = h->m_nextHandle++;
        const pc_handle owner = h->m_calling;
        h->m_timers[id] = h->m_services.startTimer(std::max<uint32_t>(1, intervalMs), [h, owner, tick, data] {
            ComponentHost::Calling calling(*h, owner);
            tick(data);
        });
        return id;
    }
    static void timerStop(pc_handle context, pc_handle timer) {
        ComponentHost* h = host(context);
        if (!h) return;
        auto it = h->m_timers.find(timer);
        if (it == h->m_timers.end()) return;
        if (h->m_services.stopTimer) h->m_services.stopTimer(it->second);
        h->m_timers.erase(it);
    }
    static int32_t keyDown(pc_handle context, int32_t key) {
        ComponentHost* h = host(context);
        return h && h->m_services.keyDown && h->m_services.keyDown(key) ? 1 : 0;
    }

    static MediaPlayer* player(pc_handle context, pc_handle id) {
        ComponentHost* h = host(context);
        if (!h) return nullptr;
        auto it = h->m_players.find(id);
        return it == h->m_players.end() ? nullptr : it->second.player.get();
    }
    static ComponentHost::HostPlayer* record(pc_handle context, pc_handle id) {
        ComponentHost* h = host(context);
        if (!h) return nullptr;
        auto it = h->m_players.find(id);
        return it == h->m_players.end() ? nullptr : &it->second;
    }
    static pc_handle playerNew(pc_handle context) {
        ComponentHost* h = host(context);
        if (!h || h->m_players.size() >= 64) return 0;
        const pc_handle id = h->m_nextHandle++;
        ComponentHost::HostPlayer& made = h->m_players[id];
        made.player = std::make_unique<MediaPlayer>(h->m_mixer);
        made.owner = h->m_calling;
        return id;
    }
    static void playerFree(pc_handle context, pc_handle id) {
        ComponentHost* h = host(context);
        if (!h) return;
        h->m_players.erase(id);
        h->stopWatchingIfIdle();
    }
    static int32_t playerOpen(pc_handle context, pc_handle id, const char* path, uint32_t length) {
        ComponentHost* h = host(context);
        MediaPlayer* p = player(context, id);
        if (!h || !p) return PC_E_BAD_HANDLE;
        const std::string wanted = textOf(path, length, 4096);
        const std::string file =
            wanted.empty() || !h->m_services.resolveFile ? wanted : h->m_services.resolveFile(wanted);
        if (!wanted.empty() && file.empty()) return PC_E_FAILED;
        ComponentHost::HostPlayer* r = record(context, id);
        r->named = wanted;
        r->endTold = false;
        try {
            p->setFileName(file);
        } catch (const std::exception& e) {
            h->m_lastError = e.what();
            return PC_E_FAILED;
        }
        return PC_OK;
    }
    static int32_t playerPlay(pc_handle context, pc_handle id, int32_t playCount) {
        MediaPlayer* p = player(context, id);
        if (!p) return PC_E_BAD_HANDLE;
        record(context, id)->endTold = false;
        try {
            p->setPlayCount(playCount);
            p->Play();
        } catch (const std::exception& e) {
            if (ComponentHost* h = host(context)) h->m_lastError = e.what();
            return PC_E_FAILED;
        }
        return PC_OK;
    }
    static void playerStop(pc_handle context, pc_handle id) {
        if (MediaPlayer* p = player(context, id)) p->Stop();
    }
    static void playerSetVolume(pc_handle context, pc_handle id, int32_t volume) {
        if (MediaPlayer* p = player(context, id)) p->setVolume(std::clamp(volume, -10000, 0));
    }
    static void playerSetBalance(pc_handle context, pc_handle id, int32_t balance) {
        if (MediaPlayer* p = player(context, id)) p->setBalance(std::clamp(balance, -10000, 10000));
    }
    static int32_t playerPlayState(pc_handle context, pc_handle id) {
        MediaPlayer* p = player(context, id);
        return p ? p->PlayState() : 0;
    }
    static double playerPosition(pc_handle context, pc_handle id) {
        MediaPlayer* p = player(context, id);
        return p ? p->CurrentPosition() : 0.0;
    }

    static int32_t messageBox(pc_handle context, const char* text, uint32_t textLength, const char* title,
                              uint32_t titleLength, int32_t style) {
        ComponentHost* h = host(context);
        if (!h || !h->m_services.messageBox) return 0;
        return h->m_services.messageBox(textOf(text, textLength, 65536), textOf(title, titleLength, 4096),
                                        style);
    }
    static int32_t fileKind(pc_handle context, const char* path, uint32_t length) {
        ComponentHost* h = host(context);
        const std::string wanted = textOf(path, length, 4096);
        if (!h || wanted.empty()) return 0;
        const std::string file = h->m_services.resolveFile ? h->m_services.resolveFile(wanted) : wanted;
        std::error_code ec;
        if (file.empty()) return 0;
        if (std::filesystem::is_directory(file, ec)) return 2;
        return std::filesystem::is_regular_file(file, ec) ? 1 : 0;
    }
    static int32_t playerWatch(pc_handle context, pc_handle id, void (*event)(void*, int32_t, int32_t),
                               void* data) {
        ComponentHost* h = host(context);
        ComponentHost::HostPlayer* r = record(context, id);
        if (!h || !r) return PC_E_BAD_HANDLE;
        r->watch = event;
        r->data = data;
        r->toldState = r->player->PlayState();
        // One look every 20 ms tells every watcher, while there is one.
        if (event && !h->m_watchTimer && h->m_services.startTimer)
            h->m_watchTimer = h->m_services.startTimer(20, [h] { h->watchPlayers(); });
        h->stopWatchingIfIdle();
        return PC_OK;
    }
};

ComponentHost::ComponentHost(Mixer& mixer, Services services)
    : m_mixer(mixer), m_services(std::move(services)) {
    m_context = g_nextContext++;
    hosts()[m_context] = this;
    m_table = pc_host{sizeof(pc_host),
                      m_context,
                      &HostCallbacks::setEmpty,
                      &HostCallbacks::setBool,
                      &HostCallbacks::setInt,
                      &HostCallbacks::setDouble,
                      &HostCallbacks::setString,
                      &HostCallbacks::setError,
                      &HostCallbacks::paramsNew,
                      &HostCallbacks::paramsSet,
                      &HostCallbacks::paramsGet,
                      &HostCallbacks::paramsFree,
                      &HostCallbacks::raiseEvent,
                      &HostCallbacks::propertyChanged,
                      &HostCallbacks::timerStart,
                      &HostCallbacks::timerStop,
                      &HostCallbacks::keyDown,
                      &HostCallbacks::playerNew,
                      &HostCallbacks::playerFree,
                      &HostCallbacks::playerOpen,
                      &HostCallbacks::playerPlay,
                      &HostCallbacks::playerStop,
                      &HostCallbacks::playerSetVolume,
                      &HostCallbacks::playerSetBalance,
                      &HostCallbacks::playerPlayState,
                      &HostCallbacks::playerPosition,
                      &HostCallbacks::messageBox,
                      &HostCallbacks::fileKind,
                      &HostCallbacks::playerWatch};
}

ComponentHost::~ComponentHost() {
    for (auto& [id, timer] : m_timers)
        if (m_services.stopTimer) m_services.stopTimer(timer);
    if (m_watchTimer && m_services.stopTimer) m_services.stopTimer(m_watchTimer);
    hosts().erase(m_context);
}

ComponentHost* ComponentHost::fromContext(pc_handle context) {
    auto it = hosts().find(context);
    return it == hosts().end() ? nullptr : it->second;
}

void ComponentHost::watchPlayers() {
    // By handle, looked up afresh: a watcher may stop, free or make players as it is told.
    std::vector<pc_handle> ids;
    for (const auto& [id, r] : m_players)
        if (r.watch) ids.push_back(id);
    for (pc_handle id : ids) {
        auto it = m_players.find(id);
        if (it == m_players.end() || !it->second.watch) continue;
        HostPlayer& r = it->second;
        const int state = r.player->PlayState();
        if (state != r.toldState) {
            r.toldState = state;
            Calling calling(*this, r.owner);
            r.watch(r.data, PC_PLAYER_STATE, state);
        }
        it = m_players.find(id);
        if (it == m_players.end() || !it->second.watch) continue;
        HostPlayer& still = it->second;
        if (!still.endTold && still.player->ReachedEnd()) {
            still.endTold = true;
            Calling calling(*this, still.owner);
            still.watch(still.data, PC_PLAYER_ENDED, still.player->PlayState());
        }
    }
}

void ComponentHost::stopWatchingIfIdle() {
    if (!m_watchTimer) return;
    for (const auto& [id, r] : m_players)
        if (r.watch) return;
    if (m_services.stopTimer) m_services.stopTimer(m_watchTimer);
    m_watchTimer = 0;
}

std::vector<ComponentHost::PlayerShown> ComponentHost::players() const {
    std::vector<PlayerShown> out;
    std::map<pc_handle, int> made;
    for (const auto& [id, r] : m_players) {
        PlayerShown p;
        p.owner = r.owner;
        p.index = made[r.owner]++;
        p.file = r.named;
        p.volume = r.player->Volume();
        p.balance = r.player->Balance();
        p.playCount = r.player->PlayCount();
        p.playing = r.player->PlayState() == MediaPlayer::kPlaying;
        out.push_back(std::move(p));
    }
    return out;
}

void ComponentHost::beginCall() {
    m_strings.clear();
    m_lastError.clear();
}

ComponentError ComponentHost::failure(int32_t rc, const std::string& operation) {
    std::string what =
        m_lastError.empty() ? operation + " failed (error " + std::to_string(rc) + ")" : m_lastError;
    return ComponentError(rc, what);
}

ComponentValue ComponentHost::fromC(const pc_value& v) {
    switch (v.kind) {
    case PC_NULL:
        return {PC_NULL, 0, 0, {}, 0};
    case PC_BOOL:
        return ComponentValue::boolean(v.v.i != 0);
    case PC_INT:
        return ComponentValue::integer(v.v.i);
    case PC_DOUBLE:
        return ComponentValue::real(v.v.d);
    case PC_STRING:
        return ComponentValue::text(textOf(v.v.s, v.n));
    case PC_OBJECT:
        return {PC_OBJECT, 0, 0, {}, v.v.h};
    default:
        return {};
    }
}

pc_value ComponentHost::toC(const ComponentValue& v) {
    pc_value out{static_cast<uint32_t>(v.kind), 0, {0}};
    switch (v.kind) {
    case PC_BOOL:
    case PC_INT:
        out.v.i = v.i;
        break;
    case PC_DOUBLE:
        out.v.d = v.d;
        break;
    case PC_STRING:
        m_strings.push_back(v.s);
        out.v.s = m_strings.back().data();
        out.n = static_cast<uint32_t>(m_strings.back().size());
        break;
    case PC_OBJECT:
        out.v.h = v.h;
        break;
    default:
        out.kind = v.kind == PC_NULL ? PC_NULL : PC_EMPTY;
        break;
    }
    return out;
}

std::unique_ptr<ComponentObject> ComponentHost::create(const std::filesystem::path& library,
                                                       const std::string& progId) {
    std::string error;
    std::shared_ptr<ComponentLibrary> lib = ComponentLibrary::open(library, error);
    if (!lib) throw ComponentError(PC_E_FAILED, error);
    if (!lib->classObjectEntry())
        throw ComponentError(PC_E_FAILED, "The component library creates no objects.");
    beginCall();
    pc_object* object = nullptr;
    const pc_handle handle = m_nextHandle++;
    Calling calling(*this, handle);
    const int32_t rc = lib->classObjectEntry()(progId.data(), static_cast<uint32_t>(progId.size()), &m_table,
                                               handle, &object);
    if (rc != PC_OK || !object) throw failure(rc == PC_OK ? PC_E_FAILED : rc, "Creating " + progId);
    // The table of the first version (up to `draw`) is the least an object has.
    if (!object->vtbl || object->vtbl->size < offsetof(pc_object_vtbl, draw) || !object->vtbl->release ||
        !object->vtbl->get_property || !object->vtbl->set_property || !object->vtbl->call_method) {
        // An object without the interface's members is not used (nor released: it may not be able to).
        throw ComponentError(PC_E_FAILED,
                             "The component's object does not have the members of the interface.");
    }
    return std::unique_ptr<ComponentObject>(
        new ComponentObject(*this, std::move(lib), object, handle, progId));
}

ComponentObject::ComponentObject(ComponentHost& host, std::shared_ptr<ComponentLibrary> library,
                                 pc_object* object, pc_handle handle, std::string progId)
    : m_host(host), m_library(std::move(library)), m_object(object), m_handle(handle),
      m_progId(std::move(progId)) {}

ComponentObject::~ComponentObject() {
    ComponentHost::Calling calling(m_host, m_handle);
    m_object->vtbl->release(m_object);
}

ComponentValue ComponentObject::get(const std::string& name) {
    ComponentHost::Calling calling(m_host, m_handle);
    m_host.beginCall();
    pc_value result{PC_EMPTY, 0, {0}};
    const int32_t rc =
        m_object->vtbl->get_property(m_object, name.data(), static_cast<uint32_t>(name.size()), &result);
    if (rc != PC_OK) throw m_host.failure(rc, name);
    return ComponentHost::fromC(result);
}

void ComponentObject::set(const std::string& name, const ComponentValue& value) {
    ComponentHost::Calling calling(m_host, m_handle);
    m_host.beginCall();
    const pc_value v = m_host.toC(value);
    const int32_t rc =
        m_object->vtbl->set_property(m_object, name.data(), static_cast<uint32_t>(name.size()), &v);
    if (rc != PC_OK) throw m_host.failure(rc, name);
}

ComponentValue ComponentObject::call(const std::string& name, const std::vector<ComponentValue>& args) {
    ComponentHost::Calling calling(m_host, m_handle);
    m_host.beginCall();
    std::vector<pc_value> in;
    in.reserve(args.size());
    for (const ComponentValue& a : args)
        in.push_back(m_host.toC(a));
    pc_value result{PC_EMPTY, 0, {0}};
    const int32_t rc = m_object->vtbl->call_method(m_object, name.data(), static_cast<uint32_t>(name.size()),
                                                   in.data(), static_cast<uint32_t>(in.size()), &result);
    if (rc != PC_OK) throw m_host.failure(rc, name);
    return ComponentHost::fromC(result);
}

bool ComponentObject::draw(Canvas& canvas) {
    if (m_object->vtbl->size < offsetof(pc_object_vtbl, describe) || !m_object->vtbl->draw || canvas.empty())
        return false;
    ComponentHost::Calling calling(m_host, m_handle);
    m_host.beginCall();
    return m_object->vtbl->draw(m_object, canvas.row(0), canvas.width(), canvas.height(), canvas.width()) ==
           PC_OK;
}

std::string ComponentObject::describe() {
    if (m_object->vtbl->size < sizeof(pc_object_vtbl) || !m_object->vtbl->describe) return {};
    ComponentHost::Calling calling(m_host, m_handle);
    m_host.beginCall();
    pc_value result{PC_EMPTY, 0, {0}};
    if (m_object->vtbl->describe(m_object, &result) != PC_OK) return {};
    const ComponentValue v = ComponentHost::fromC(result);
    return v.kind == PC_STRING ? v.s : std::string();
}

} // namespace run::platform
