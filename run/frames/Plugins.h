// The game's plug-ins: packages of script code the project lists in Config/Plugins, each a
// ".cp" file of the CPData folder, read again at every game reset. Their code goes into every
// script, their game-start code runs when a game starts, their frame codes wrap every frame's
// entry script, the variables they declare join the project's, and plug-in action references in
// hotspot actions and frame entries ("¤Identifier¥arg¥arg…") become calls of their procedures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace run {

struct ProjectContext;
class RecordReader;

// What a plug-in file holds that the player uses (texts UTF-8, unscrambled, quotes restored).
struct PluginRecord {
    std::string file; // the file it was read from, for messages
    int version = 0;
    bool flagA = false, flagB = false; // which key scrambles its texts
    std::string identifier;
    std::string startCode, frameCodeA, code, frameCodeB;
    std::vector<std::string> integerVariables, variantVariables;
    std::string hotspotProcedure, frameProcedure;
};

// What a loaded plug-in offers action references: its identifier and the procedures that a
// reference in a hotspot action or in a frame entry calls.
struct PluginActionNames {
    std::string identifier;
    std::string hotspotProcedure;
    std::string frameProcedure;
};

// Reads one plug-in file: every field in order, the scrambled texts decoded with key 100 (flag
// B alone) or 200 (flag A alone). Throws RecordError (or std::overflow_error) on a damaged file.
PluginRecord ReadPluginFile(RecordReader& r);

// The code for the references in `text`, one call a line: the plug-in's procedure, a blank and
// the arguments each in double quotes, separated by commas. A reference to an identifier no
// loaded plug-in has (matched exactly, the last plug-in winning) yields no code, so a frame or
// action that names a missing plug-in still runs its own script.
std::string ExpandPluginActions(const std::vector<PluginActionNames>& plugins, const std::string& text,
                                bool hotspotAction);

// The frame code the loaded plug-ins add around the frame-entry script: `before` (the frame
// codes A) runs ahead of the frame's own script, `after` (the frame codes B) follows it; each
// piece ends with a line break.
struct PluginFrameCode {
    std::string before, after;
};

// The variables the loaded plug-ins declare, in load order.
struct PluginVariables {
    std::vector<std::string> integers, variants;
};

class Plugins {
  public:
    explicit Plugins(ProjectContext& project) : m_project(project) {}

    // Reads the plug-ins again (the game reset). A plug-in file that cannot be read gets a box
    // naming it and is left out; the others load. A text that does not compile (scrambled with
    // a key it was not made with, say) gets a box naming the plug-in and the text, and is left
    // out of the scripts.
    void LoadPlugins();
    const std::vector<PluginRecord>& loaded() const { return m_loaded; }

    // The code for the references in `text` over the loaded plug-ins.
    std::string ExpandPluginActions(const std::string& text, bool hotspotAction) const;
    PluginFrameCode CollectPluginFrameCode() const;
    // Every plug-in's code, each followed by CRLF: added to every script.
    std::string PluginCode() const;
    // Every non-empty game-start code, each followed by CRLF.
    std::string PluginStartCode() const;
    PluginVariables DeclaredVariables() const;

  private:
    ProjectContext& m_project;
    std::vector<PluginRecord> m_loaded;
};

} // namespace run
