// Plug-in action references in hotspot actions and frame entries ("¤Identifier¥arg¥arg…") and
// the calls of the plug-ins' procedures they become.
#pragma once

#include <string>
#include <vector>

namespace run {

struct Session;

// What a loaded plug-in offers action references: its identifier and the procedures that a
// reference in a hotspot action or in a frame entry calls.
struct PluginActionNames {
    std::string identifier;
    std::string hotspotProcedure;
    std::string frameProcedure;
};

// The code for the references in `text`, one call a line: the plug-in's procedure, a blank and
// the arguments each in double quotes, separated by commas. A reference to an identifier no
// loaded plug-in has (matched exactly, the last plug-in winning) yields no code, so a frame or
// action that names a missing plug-in still runs its own script.
std::string ExpandPluginActions(const std::vector<PluginActionNames>& plugins, const std::string& text,
                                bool hotspotAction);

// The same over the session's loaded plug-ins. Plug-ins are not loaded by this player yet, so
// every reference yields no code until they are.
std::string ExpandPluginActions(Session& s, const std::string& text, bool hotspotAction);

// The frame code the loaded plug-ins add around the frame-entry script: `before` runs ahead of
// the frame's own script, `after` follows it; each piece ends with a line break.
// Empty until plug-ins are loaded.
struct PluginFrameCode {
    std::string before, after;
};
PluginFrameCode CollectPluginFrameCode(Session& s);

} // namespace run
