// The checker's work on one project: the project read as the player reads it (paths, settings,
// file lookup), the names it defines (frames, variables, items, plug-ins), and the checks of each
// kind of file. ProjectChecker.cpp runs it; each group of checks has its own file.
#pragma once

#include "run/checker/Findings.h"
#include "run/frames/Plugins.h"
#include "run/media/ChannelRequests.h"
#include "run/platform/files/SettingsStore.h"
#include "run/platform/graphics/Fonts.h"
#include "run/platform/headless/HeadlessBackend.h"
#include "run/platform/ui/WindowSystem.h"
#include "run/project/FileLookup.h"
#include "run/project/Flags.h"
#include "run/project/ProjectContext.h"
#include "run/scripting/ScriptNames.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "run/project/record/RecordReader.h"

namespace run::checker {

// A way from one frame to another, and what makes it.
struct FrameLink {
    std::string from, to; // to: as named; "" for the quit and the way back
    std::string label;    // "hotspot 3", "frame timer", "script", "dialogue"
    bool broken = false;  // names no frame
};

class CheckContext {
  public:
    explicit CheckContext(const std::filesystem::path& folder);
    CheckContext(const CheckContext&) = delete;
    CheckContext& operator=(const CheckContext&) = delete;

    // False, with the reason, when the folder is no game at all.
    bool isProject(std::string& why) const;
    void run();

    Findings findings;
    std::vector<std::string> frames; // as their files name them, sorted
    std::vector<FrameLink> links;
    std::string initialFrame;
    std::set<std::string> reached; // lower case
    std::size_t filesChecked = 0;
    std::size_t filesOnCds = 0; // named files that only the CD index finds: not checked
    const std::filesystem::path& folder() const { return m_folder; }
    // The frame's picture file as found on disk, for the map; "" when it has none.
    std::map<std::string, std::string> framePictures;

    // --- Used by the groups of checks ---
    enum class Media { Picture, Sound, Video, AnimatedPicture, Any };
    // A file the project names, in a folder of the project: found by the player's lookup (plain
    // and hidden names) and, for media, decoded. Returns the path found.
    std::optional<std::string> checkFile(const std::string& referrer, const std::string& place,
                                         const std::string& folderPath, const std::string& name, Media kind);
    // A script text: its syntax (statements run inside a procedure unless `module`, whose
    // definitions every later script sees), the names it uses that nothing defines, the frames its
    // GoToFrame calls name, from `frame` when it has one. False when it does not compile.
    bool checkScript(const std::string& file, const std::string& place, const std::string& code, bool module,
                     const std::string& frame, const std::string& label);
    // "place, line L, column C".
    static std::string at(const std::string& place, int line, int column);
    void checkVariable(const std::string& file, const std::string& place, const std::string& name);
    void checkItem(const std::string& file, const std::string& place, const std::string& name);
    void checkPluginActions(const std::string& file, const std::string& place, const std::string& text);
    void link(const std::string& from, const std::string& to, const std::string& label,
              const std::string& file, const std::string& place);
    bool frameExists(const std::string& name) const;
    // Whether the game has the file (any letter case), from one listing of each folder: most
    // frames lack most optional files, and asking the file system for each would list the
    // folder again every time.
    bool present(const std::string& path);
    // The frame's file of the alternate extension when the game has it, else the plain one.
    std::string alternateOrPlain(const std::string& frame, const std::string& plain,
                                 const std::string& alternate);
    // The record file as the player reads it, its text encoding looked at; nothing (with the
    // finding) when it is a folder, too large or unreadable.
    std::optional<RecordReader> openRecord(const std::string& found);
    // The files a block of channel requests names (a frame's, an action's): sounds in Areas.
    void checkChannelFiles(const ChannelRequestBlock& block, const std::string& rel,
                           const std::string& placePrefix);
    // The old sound block at the reader's position: its files must be sounds in Areas.
    void checkOldSounds(RecordReader& r, const std::string& rel, const std::string& place);
    // A record error as "line L: what", for a file's bytes and the reader's position.
    void damaged(const std::string& file, std::size_t position, const std::string& what);
    // The file's path relative to the project, as findings name it.
    std::string relative(const std::string& path) const;
    ProjectContext& project() { return m_project; }

  private:
    struct NoHalting : GameHalting {
        void HaltGame() override {}
        void StopEverything() override {}
        std::function<void()> RememberRunning() override {
            return [] {};
        }
    };

    void readDefinitions();
    void checkEncoding(const std::string& rel, const std::string& bytes);
    void checkScheme();
    void checkCdIndex();
    // The names every script sees, once the variables and plug-ins are known; then the
    // procedures' and plug-ins' code, which define more.
    void prepareNames();
    void checkProcedures();
    void readPlugins();
    void checkPluginScripts();
    // The names scripts use that nothing defines, as warnings: only when the procedures compile
    // (else every procedure name would be one) and no script lets element names be used bare.
    void reportUndefinedNames();
    void checkItems();
    void checkCombinations();
    void checkResume();
    void checkFrame(const std::string& frame);
    void checkFrameFile(const std::string& frame);
    void checkHotspots(const std::string& frame);
    void checkActions(const std::string& frame);
    // Each block of a frame's block file, the reader at its start (n from 1); a damaged record
    // is reported and ends the file's reading.
    void forEachBlock(const std::string& path,
                      const std::function<void(RecordReader&, const std::string&, int)>& each);
    // One action record at the reader's position (a click's or an item's), named `place`.
    void checkActionRecord(RecordReader& r, const std::string& rel, const std::string& place,
                           const std::string& frame);
    void checkItemActions(const std::string& frame);
    void checkPickups(const std::string& frame);
    void checkDialogue(const std::string& frame);
    void checkWater(const std::string& frame);
    void checkFrameSounds(const std::string& frame);
    void checkTexts(const std::string& frame);
    void checkReachability();
    bool insideProject(const std::string& path) const;

    std::filesystem::path m_folder;
    platform::HeadlessBackend m_backend;
    platform::FontCatalog m_fonts;
    platform::WindowSystem m_ui{m_backend, m_fonts};
    platform::SettingsStore m_settings;
    ProjectContext m_project{m_ui, m_settings};
    Flags m_flags;
    NoHalting m_halt;
    ProjectFiles m_files{m_project, m_flags, m_halt};
    std::set<std::string> m_integers, m_variants;   // variable names as the Variables file has them
    std::set<std::string> m_items;                  // item names, lower case
    std::vector<std::filesystem::path> m_areaFiles; // the Areas folder's files
    std::vector<PluginActionNames> m_plugins;
    std::map<std::string, bool> m_decoded; // path found → decodes
    std::map<std::string, int> m_hotspotCounts;
    std::map<std::string, std::set<std::string>> m_listings;           // folder → its names, lower case
    std::vector<std::pair<std::string, PluginRecord>> m_pluginRecords; // file as findings name it
    std::unique_ptr<ScriptNames> m_names;
    bool m_namesUsable = true;     // the procedures compile
    bool m_elementsByName = false; // a script calls AllowControlsReferencesNextTime
    struct UndefinedUse {
        std::string file, place, name;
    };
    std::vector<UndefinedUse> m_undefined;
    std::map<std::string, int> m_cdFiles; // folder + name, lower case → its CD
};

} // namespace run::checker
