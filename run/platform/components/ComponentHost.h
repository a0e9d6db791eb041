// The host side of the component interface: the function table a component calls (values,
// event parameters, the container's services) and the objects it creates, seen from C++. Every
// handle a component hands back is checked; nothing of the host is reachable by pointer.
#pragma once

#include "run/components/ComponentAbi.h"
#include "run/platform/components/ComponentLibrary.h"
#include "run/platform/graphics/Canvas.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace run::platform {

class Mixer;
class MediaPlayer;

// A value crossing the interface, as C++ keeps it.
struct ComponentValue {
    pc_kind kind = PC_EMPTY;
    std::int64_t i = 0; // PC_BOOL, PC_INT
    double d = 0;
    std::string s; // PC_STRING, UTF-8
    pc_handle h = 0;

    static ComponentValue boolean(bool b) { return {PC_BOOL, b ? -1 : 0, 0, {}, 0}; }
    static ComponentValue integer(std::int64_t n) { return {PC_INT, n, 0, {}, 0}; }
    static ComponentValue real(double x) { return {PC_DOUBLE, 0, x, {}, 0}; }
    static ComponentValue text(std::string t) { return {PC_STRING, 0, 0, std::move(t), 0}; }
};

// A call a component failed: its error number and what it said.
struct ComponentError : std::runtime_error {
    ComponentError(int32_t number, const std::string& what) : std::runtime_error(what), number(number) {}
    int32_t number;
};

class ComponentHost;

// One object a component created; released when this goes.
class ComponentObject {
  public:
    ~ComponentObject();
    ComponentObject(const ComponentObject&) = delete;
    ComponentObject& operator=(const ComponentObject&) = delete;

    // The handle events from this object carry.
    pc_handle handle() const { return m_handle; }
    const std::string& progId() const { return m_progId; }
    // Late-bound members by name; a failure throws ComponentError.
    ComponentValue get(const std::string& name);
    void set(const std::string& name, const ComponentValue& value);
    ComponentValue call(const std::string& name, const std::vector<ComponentValue>& args);
    // Draws what the object shows onto `canvas` (its element's size); false when it shows nothing.
    bool draw(Canvas& canvas);
    // What the object says it is doing, for the state report; "" when it says nothing.
    std::string describe();

  private:
    friend class ComponentHost;
    ComponentObject(ComponentHost& host, std::shared_ptr<ComponentLibrary> library, pc_object* object,
                    pc_handle handle, std::string progId);
    ComponentHost& m_host;
    std::shared_ptr<ComponentLibrary> m_library; // loaded while the object lives
    pc_object* m_object;
    pc_handle m_handle;
    std::string m_progId;
};

class ComponentHost {
  public:
    // What the host's owner does for components.
    struct Services {
        // An event raised by the object `source`; the parameters are read and may be changed.
        std::function<void(pc_handle source, const std::string& name, std::vector<ComponentValue>& params)>
            event;
        std::function<void(pc_handle source, const std::string& name)> propertyChanged;
        // A repeating timer; the answer names it for stopping.
        std::function<int(std::uint32_t intervalMs, std::function<void()> tick)> startTimer;
        std::function<void(int timer)> stopTimer;
        std::function<bool(int virtualKey)> keyDown;
        // A file a component asks to play, as a path of this system; "" when it may not.
        std::function<std::string(const std::string& path)> resolveFile;
        // A message box of the host (style and answer as MsgBox has them).
        std::function<int(const std::string& text, const std::string& title, int style)> messageBox;
    };

    // A media player a component made, as the state report lists it.
    struct PlayerShown {
        pc_handle owner = 0; // the object that made it
        int index = 0;       // among its owner's players, in the order they were made
        std::string file;    // as the component named it
        int volume = 0, balance = 0, playCount = 1;
        bool playing = false;
    };
    std::vector<PlayerShown> players() const;

    ComponentHost(Mixer& mixer, Services services);
    ~ComponentHost();
    ComponentHost(const ComponentHost&) = delete;
    ComponentHost& operator=(const ComponentHost&) = delete;

    // Creates an object of a ProgID from a library file; throws ComponentError.
    std::unique_ptr<ComponentObject> create(const std::filesystem::path& library, const std::string& progId);

    // For the C callbacks: the host a context handle names (null when none does).
    static ComponentHost* fromContext(pc_handle context);

  private:
    friend class ComponentObject;
    friend struct HostCallbacks;
    // Starts a call into a component: what earlier results and errors left is dropped.
    void beginCall();
    // The object a call into a component (or a tick or player event of it) is for, so the
    // players it makes are known as its own.
    struct Calling {
        Calling(ComponentHost& host, pc_handle object) : host(host), before(host.m_calling) {
            host.m_calling = object;
        }
        ~Calling() { host.m_calling = before; }
        ComponentHost& host;
        pc_handle before;
    };
    // Tells the watching components what their players did since the last look.
    void watchPlayers();
    // Stops looking when no player is watched any more.
    void stopWatchingIfIdle();
    ComponentError failure(int32_t rc, const std::string& operation);
    static ComponentValue fromC(const pc_value& v);
    pc_value toC(const ComponentValue& v);

    Mixer& m_mixer;
    Services m_services;
    pc_host m_table{};
    pc_handle m_context = 0;
    pc_handle m_nextHandle = 1;
    std::deque<std::string> m_strings; // strings handed to or from the component during a call
    std::string m_lastError;
    std::map<pc_handle, std::vector<ComponentValue>> m_params;
    std::map<pc_handle, int> m_timers;
    struct HostPlayer {
        std::unique_ptr<MediaPlayer> player;
        pc_handle owner = 0;
        std::string named;
        void (*watch)(void* data, int32_t what, int32_t playState) = nullptr;
        void* data = nullptr;
        int toldState = 0;
        bool endTold = false;
    };
    std::map<pc_handle, HostPlayer> m_players;
    pc_handle m_calling = 0;
    int m_watchTimer = 0; // the timer that looks at watched players; 0 none
};

} // namespace run::platform
