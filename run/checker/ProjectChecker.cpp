// The project checker: the project set up as the player sets it up, then every frame and every
// project-wide file checked, then which frames the initial one leads to.
#include "run/checker/ProjectChecker.h"

#include "run/checker/CheckContext.h"
#include "run/checker/ProjectMap.h"
#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/ProjectInfo.h"
#include "run/project/ProjectPaths.h"
#include "run/project/record/RecordFile.h"
#include "run/scripting/Procedures.h"
#include "run/scripting/objects/ScriptObjects.h"

#include <algorithm>
#include <deque>
#include <exception>

namespace run::checker {

namespace fs = std::filesystem;

namespace {

std::string lower(const std::string& s) {
    return platform::LowerCaseWin(s);
}

// The settings the checker never saves: a file name that does not exist.
fs::path unusedSettings() {
    return fs::temp_directory_path() / "run-check-settings-never-written.ini";
}

} // namespace

CheckContext::CheckContext(const fs::path& folder) : m_folder(folder), m_settings(unusedSettings()) {
    std::error_code ec;
    m_project.projectFolder = fs::absolute(folder, ec).string();
    ComputeProjectPaths(m_project.paths, m_project.projectFolder);
}

bool CheckContext::isProject(std::string& why) const {
    std::error_code ec;
    if (!fs::exists(m_folder, ec)) {
        why = m_folder.string() + " does not exist";
        return false;
    }
    if (!fs::is_directory(m_folder, ec)) {
        why = m_folder.string() + " is not a folder";
        return false;
    }
    fs::directory_iterator probe(m_folder, ec);
    if (ec) {
        why = m_folder.string() + " cannot be read: " + ec.message();
        return false;
    }
    if (!ProjectFileExists(m_project.paths.config + "General")) {
        why = m_folder.string() + " is not a game: it has no Config/General file";
        return false;
    }
    return true;
}

std::string CheckContext::relative(const std::string& path) const {
    std::error_code ec;
    const fs::path rel = fs::path(path).lexically_relative(fs::path(m_project.projectFolder));
    if (rel.empty() || *rel.begin() == "..") return path;
    return rel.generic_string();
}

bool CheckContext::insideProject(const std::string& path) const {
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(path, ec);
    const fs::path root = fs::weakly_canonical(m_project.projectFolder, ec);
    const fs::path rel = real.lexically_relative(root);
    return !rel.empty() && *rel.begin() != "..";
}

void CheckContext::damaged(const std::string& file, std::size_t position, const std::string& what) {
    int line = 1;
    if (auto bytes = platform::ReadWholeFile(file)) {
        // The reader stands after the field's delimiter: the field itself ends before it.
        const std::size_t end = std::min(position > 0 ? position - 1 : 0, bytes->size());
        line += static_cast<int>(std::count(bytes->begin(), bytes->begin() + static_cast<long>(end), '\n'));
    }
    findings.error(relative(file), "line " + std::to_string(line), "the record does not read: " + what);
}

bool CheckContext::present(const std::string& path) {
    const fs::path p(path);
    const std::string folder = p.parent_path().string();
    auto it = m_listings.find(folder);
    if (it == m_listings.end()) {
        std::set<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator d(ExistingPath(folder), ec), end; !ec && d != end; d.increment(ec))
            names.insert(lower(platform::RepairUtf8(d->path().filename().string())));
        it = m_listings.emplace(folder, std::move(names)).first;
    }
    return it->second.count(lower(p.filename().string())) != 0;
}

std::string CheckContext::alternateOrPlain(const std::string& frame, const std::string& plain,
                                           const std::string& alternate) {
    const std::string other = FrameFilePath(m_project.paths.framesData, frame, alternate);
    if (present(other)) return ExistingPath(other);
    return ExistingPath(FrameFilePath(m_project.paths.framesData, frame, plain));
}

bool CheckContext::frameExists(const std::string& name) const {
    const std::string wanted = lower(name);
    return std::any_of(frames.begin(), frames.end(),
                       [&](const std::string& f) { return lower(f) == wanted; });
}

void CheckContext::link(const std::string& from, const std::string& to, const std::string& label,
                        const std::string& file, const std::string& place) {
    FrameLink l{from, to, label, false};
    const std::string tag = lower(to);
    if (!to.empty() && tag != "[quit]" && tag != "[last visited frame]" && tag != "last visited frame" &&
        !frameExists(to)) {
        l.broken = true;
        findings.error(file, place, "the frame \"" + to + "\" does not exist");
    }
    links.push_back(std::move(l));
}

void CheckContext::checkVariable(const std::string& file, const std::string& place, const std::string& name) {
    if (name.empty() || m_integers.count(name) || m_variants.count(name)) return;
    findings.error(file, place, "the variable \"" + name + "\" is not in Config/Variables");
}

void CheckContext::checkItem(const std::string& file, const std::string& place, const std::string& name) {
    if (name.empty() || m_items.count(lower(name))) return;
    findings.error(file, place, "the item \"" + name + "\" has no file Areas/" + name + ".obj");
}

void CheckContext::checkPluginActions(const std::string& file, const std::string& place,
                                      const std::string& text) {
    // "¤Identifier¥arg¥…": every identifier must be a loaded plug-in's.
    static const std::string open = "\xC2\xA4", close = "\xC2\xA5";
    for (std::size_t at = text.find(open); at != std::string::npos; at = text.find(open, at + open.size())) {
        const std::size_t start = at + open.size();
        std::size_t end = text.find(close, start);
        const std::size_t next = text.find(open, start);
        if (next != std::string::npos && (end == std::string::npos || next < end)) end = next;
        const std::string id = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        const bool known = std::any_of(m_plugins.begin(), m_plugins.end(),
                                       [&](const PluginActionNames& p) { return p.identifier == id; });
        if (!known) findings.error(file, place, "the plug-in \"" + id + "\" is not loaded by Config/Plugins");
    }
}

void CheckContext::readDefinitions() {
    const std::string general = ExistingPath(m_project.paths.config + "General");
    try {
        ReadProjectInfo(general, m_project.info);
    } catch (const RecordError& e) {
        findings.error(relative(general), "", std::string("the record does not read: ") + e.what());
    }
    initialFrame = m_project.info.InitialFrame;

    // Frames: every Frames/*.fme.
    std::error_code ec;
    for (fs::directory_iterator it(ExistingPath(m_project.paths.frames), ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path p = it->path();
        if (lower(p.extension().string()) == ".fme") frames.push_back(p.stem().string());
    }
    std::sort(frames.begin(), frames.end());

    // Variables: names before "***" are integer ones, after it variant ones.
    const std::string variables = m_project.paths.config + "Variables";
    if (ProjectFileExists(variables)) {
        if (auto opened = openRecord(ExistingPath(variables))) {
            RecordReader& r = *opened;
            try {
                r.readVariant();
                bool variant = false;
                while (!r.atEnd()) {
                    std::string name = r.readString();
                    if (name == "***")
                        variant = true;
                    else
                        (variant ? m_variants : m_integers).insert(name);
                }
            } catch (const RecordError& e) {
                damaged(ExistingPath(variables), r.position(), e.what());
            }
        }
    } else {
        findings.warning("Config/Variables", "", "the game has no variables file");
    }

    // The Areas folder, listed once: items (*.obj) and combinations (*_on_*.drg) are its files.
    for (fs::directory_iterator it(ExistingPath(m_project.paths.areas), ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path p = it->path();
        m_areaFiles.push_back(p);
        if (lower(p.extension().string()) == ".obj") m_items.insert(lower(p.stem().string()));
    }
}

void CheckContext::prepareNames() {
    std::vector<std::string> variables(m_integers.begin(), m_integers.end());
    variables.insert(variables.end(), m_variants.begin(), m_variants.end());
    m_names = std::make_unique<ScriptNames>(
        m_ui, scripting::AppInfo{m_project.projectFolder, m_project.info.AdventureName}, variables);
}

void CheckContext::checkProcedures() {
    const std::string file = m_project.paths.config + "Procedures";
    if (!ProjectFileExists(file)) return;
    const std::string found = ExistingPath(file);
    auto bytes = platform::ReadWholeFile(found);
    if (!bytes) {
        findings.error("Config/Procedures", "", "the file cannot be read");
        m_namesUsable = false;
        return;
    }
    try {
        const bool scrambled = std::atof(m_project.readProjectSetting("ProcEncr").c_str()) == 1;
        const std::string text =
            ReadProceduresText(*bytes, scrambled, ProjectKeyNumber(m_project.info.ProjectRegistryName));
        if (!checkScript("Config/Procedures", "", text, true, "", "script")) m_namesUsable = false;
    } catch (const std::exception& e) {
        findings.error("Config/Procedures", "", std::string("the procedures do not read: ") + e.what());
        m_namesUsable = false;
    }
}

void CheckContext::readPlugins() {
    const std::string list = m_project.paths.config + "Plugins";
    if (!ProjectFileExists(list)) return;
    std::vector<std::string> names;
    auto opened = openRecord(ExistingPath(list));
    if (!opened) return;
    RecordReader& r = *opened;
    try {
        r.readVariant();
        while (!r.atEnd()) {
            std::string name = r.readVariant().text();
            if (!name.empty()) names.push_back(name);
        }
    } catch (const RecordError& e) {
        damaged(ExistingPath(list), r.position(), e.what());
    }
    for (const std::string& name : names) {
        const std::string file = m_project.paths.components + name + ".cp";
        if (!ProjectFileExists(file)) {
            findings.error("Config/Plugins", "", "the plug-in file CPData/" + name + ".cp does not exist");
            continue;
        }
        const std::string found = ExistingPath(file);
        auto opened = openRecord(found);
        if (!opened) continue;
        RecordReader& pr = *opened;
        try {
            PluginRecord p = ReadPluginFile(pr);
            m_plugins.push_back({p.identifier, p.hotspotProcedure, p.frameProcedure});
            for (const std::string& v : p.integerVariables)
                m_integers.insert(v);
            for (const std::string& v : p.variantVariables)
                m_variants.insert(v);
            m_pluginRecords.emplace_back(relative(found), std::move(p));
        } catch (const std::exception& e) {
            damaged(found, pr.position(), e.what());
        }
    }
}

void CheckContext::checkPluginScripts() {
    // Every plug-in's code first: the scripts of each may call any of them.
    for (const auto& [rel, p] : m_pluginRecords)
        checkScript(rel, "code", p.code, true, "", "script");
    for (const auto& [rel, p] : m_pluginRecords) {
        checkScript(rel, "start code", p.startCode, false, "", "script");
        checkScript(rel, "frame code A", p.frameCodeA, false, "", "script");
        checkScript(rel, "frame code B", p.frameCodeB, false, "", "script");
    }
}

void CheckContext::checkItems() {
    for (const fs::path& p : m_areaFiles) {
        if (lower(p.extension().string()) != ".obj") continue;
        const std::string rel = relative(p.string());
        auto opened = openRecord(p.string());
        if (!opened) continue;
        RecordReader& r = *opened;
        try {
            const std::string icon = r.readVariant().text();
            if (icon.empty())
                findings.error(rel, "", "the item names no icon");
            else
                checkFile(rel, "icon", m_project.paths.areas, icon, Media::Picture);
        } catch (const RecordError& e) {
            damaged(p.string(), r.position(), e.what());
        }
    }
}

void CheckContext::checkCombinations() {
    for (const fs::path& p : m_areaFiles) {
        const std::string stem = p.stem().string();
        if (lower(p.extension().string()) != ".drg" || lower(stem).find("_on_") == std::string::npos)
            continue;
        const std::string rel = relative(p.string());
        const std::size_t on = lower(stem).find("_on_");
        checkItem(rel, "dragged item", stem.substr(0, on));
        checkItem(rel, "target item", stem.substr(on + 4));
        auto opened = openRecord(p.string());
        if (!opened) continue;
        RecordReader& r = *opened;
        try {
            r.readVariant();
            r.readVariant();
            const bool add = r.readVariant().toNumber() == 1;
            const std::string result = r.readVariant().text();
            if (add) checkItem(rel, "result", result);
            if (!r.atEnd()) {
                for (int i = 5; i <= 7; ++i)
                    r.readVariant();
                const bool run = r.readBoolean();
                std::string script = r.readString();
                std::replace(script.begin(), script.end(), '|', '"');
                if (run) checkScript(rel, "script", script, false, "", "script");
            }
        } catch (const RecordError& e) {
            damaged(p.string(), r.position(), e.what());
        }
    }
}

void CheckContext::checkResume() {
    const std::string file = m_project.paths.config + "Resume";
    if (!ProjectFileExists(file)) return;
    const std::string found = ExistingPath(file);
    auto opened = openRecord(found);
    if (!opened) return;
    RecordReader& r = *opened;
    try {
        for (int i = 0; i < 6; ++i)
            r.readVariant();
        for (int entry = 1; !r.atEnd(); ++entry) {
            const std::string saved = r.readString();
            const std::string instead = r.readString();
            if (!instead.empty())
                link("", instead, "resume", "Config/Resume", "entry " + std::to_string(entry));
            (void)saved;
        }
    } catch (const RecordError& e) {
        damaged(found, r.position(), e.what());
    }
}

void CheckContext::checkReachability() {
    if (initialFrame.empty()) {
        findings.error("Config/General", "initial frame", "the game names no initial frame");
        return;
    }
    if (!frameExists(initialFrame)) {
        findings.error("Config/General", "initial frame",
                       "the initial frame \"" + initialFrame + "\" does not exist");
        return;
    }
    std::deque<std::string> next{lower(initialFrame)};
    reached.insert(lower(initialFrame));
    // Code that belongs to no frame (procedures, item combinations, the resume list) may run
    // from anywhere: the frames it names count as reached.
    for (const FrameLink& l : links)
        if (l.from.empty() && !l.broken && !l.to.empty() && frameExists(l.to) &&
            reached.insert(lower(l.to)).second)
            next.push_back(lower(l.to));
    while (!next.empty()) {
        const std::string at = next.front();
        next.pop_front();
        for (const FrameLink& l : links) {
            if (l.broken || lower(l.from) != at || l.to.empty() || !frameExists(l.to)) continue;
            if (reached.insert(lower(l.to)).second) next.push_back(lower(l.to));
        }
    }
    for (const std::string& f : frames)
        if (!reached.count(lower(f)))
            findings.warning("Frames/" + f + ".fme", "",
                             "no way leads to this frame from \"" + initialFrame +
                                 "\" (a script may still reach it by a name it computes)");
}

void CheckContext::run() {
    readDefinitions();
    readPlugins();
    prepareNames();
    checkProcedures();
    checkPluginScripts();
    checkItems();
    checkCombinations();
    checkResume();
    checkScheme();
    checkCdIndex();
    for (const std::string& f : frames)
        checkFrame(f);
    reportUndefinedNames();
    checkReachability();
}

CheckOutcome CheckProject(const fs::path& folder, std::ostream& out, const CheckOptions& options) {
    CheckOutcome outcome;
    MapData map;
    {
        CheckContext context(folder);
        std::string why;
        if (!context.isProject(why)) {
            outcome.status = 2;
            outcome.problem = why;
            return outcome;
        }
        context.run();
        outcome.frames = context.frames.size();
        outcome.filesChecked = context.filesChecked;
        outcome.filesOnCds = context.filesOnCds;
        outcome.errors = context.findings.count(Severity::Error);
        outcome.warnings = context.findings.count(Severity::Warning);
        outcome.findings = context.findings.all();
        map = {context.frames, context.links, context.initialFrame, context.reached, context.framePictures};
    }
    if (!options.mapFile.empty()) outcome.problem = WriteProjectMap(map, options.mapFile);
    if (options.json) {
        WriteFindingsJson(outcome.findings, out);
    } else {
        for (const Finding& f : outcome.findings)
            out << FindingLine(f) << "\n";
        out << outcome.frames << " frames, " << outcome.filesChecked << " files checked";
        if (outcome.filesOnCds > 0) out << " (" << outcome.filesOnCds << " more only on the game's CDs)";
        out << ": " << outcome.errors << (outcome.errors == 1 ? " error, " : " errors, ") << outcome.warnings
            << (outcome.warnings == 1 ? " warning" : " warnings") << "\n";
    }
    outcome.status = outcome.findings.empty() ? 0 : 1;
    return outcome;
}

} // namespace run::checker
