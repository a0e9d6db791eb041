// The game's plug-ins, and the plug-in action references in hotspot actions and frame entries
// ("¤Identifier¥arg¥arg…") with the calls of the plug-ins' procedures they become.
// NOT YET BUILT: no plug-in is loaded; loading is reported to the step trace, every reference
// yields no code and plug-ins add no frame code. The components and plug-ins work replaces it.
#pragma once

#include "run/project/StepTrace.h"

#include <string>
#include <vector>

namespace run {

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

// The frame code the loaded plug-ins add around the frame-entry script: `before` runs ahead of
// the frame's own script, `after` follows it; each piece ends with a line break.
struct PluginFrameCode {
    std::string before, after;
};

class Plugins {
  public:
    explicit Plugins(StepTrace& trace) : m_trace(trace) {}

    // Loads the game's plug-ins (the game reset).
    void LoadPlugins();
    // The code for the references in `text` over the loaded plug-ins.
    std::string ExpandPluginActions(const std::string& text, bool hotspotAction) const;
    PluginFrameCode CollectPluginFrameCode() const;

  private:
    StepTrace& m_trace;
    std::vector<PluginActionNames> m_loaded;
};

} // namespace run
