// One script function of the action object: its name, how many arguments it takes and the code
// that runs it. The functions are kept in tables by what they touch (one file each); the action
// object joins the tables and dispatches by position.
#pragma once

#include "vbscript/vbscript.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <span>
#include <string>
#include <vector>

namespace run {

struct ScriptContext;
class GameWindow;

namespace api {

// What the functions keep between calls: the matches of DDir's last pattern.
struct ApiState {
    std::vector<std::string> dirMatches;
    std::size_t dirNext = 0;
};

// What one call sees: the game, its arguments and where its result and failure go.
struct Call {
    ScriptContext& s;
    GameWindow& game;
    ApiState& state;
    vbs::HostArgs& in;
    std::span<vbs::Value> args;
    vbs::Value& result;
    vbs::HostError& err;

    bool ok() const { return in.ok(); }
};

using Handler = bool (*)(Call&);

struct ApiFunction {
    const char16_t* name;
    int minArgs, maxArgs;
    Handler run;
};

// Shows the error box of a function whose failures are caught: the row's message, then the
// failure's own description. The script goes on after the call.
void ShowCaughtFailure(ScriptContext& s, const std::string& message, const std::string& description);

// Runs `body`, showing the row's message with the failure's description when it throws.
template <class F> bool Caught(Call& c, const std::string& message, F&& body) {
    try {
        body();
    } catch (const std::exception& e) {
        ShowCaughtFailure(c.s, message, e.what());
    }
    return c.ok();
}

inline std::int16_t Short16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

// The tables, by what their functions touch.
std::span<const ApiFunction> FrameRequestFunctions(); // requests, hotspots, clicks, the frame
std::span<const ApiFunction> InventoryFunctions();    // messages and the inventory
std::span<const ApiFunction> PictureFunctions();      // pictures and frame captures
std::span<const ApiFunction> FileFunctions();         // paths, parameters, INI files, DDir
std::span<const ApiFunction> ShellFunctions();        // mail, web, documents and programs
std::span<const ApiFunction> WindowFunctions();       // switches, menus, pointer, display
std::span<const ApiFunction> ElementFunctions();      // loading and unloading array elements
std::span<const ApiFunction> ComponentFunctions();    // components and their events
std::span<const ApiFunction> HelperFunctions();       // timed events, texts, numbers, objects

} // namespace api
} // namespace run
