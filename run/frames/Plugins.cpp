#include "run/frames/Plugins.h"

#include "run/platform/files/TextCodec.h"
#include "run/project/FileLookup.h"
#include "run/project/ProjectContext.h"
#include "run/project/record/RecordFile.h"
#include "run/project/record/Scrambling.h"

#include "vbscript/vbscript.h"

#include <exception>
#include <set>
#include <tuple>

namespace run {

namespace {

// Characters 164 and 165 of the stored code page, as UTF-8 once read.
constexpr const char* kOpen = "\xC2\xA4";
constexpr const char* kClose = "\xC2\xA5";

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::vector<std::string> split(const std::string& text, char at) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = text.find(at); i != std::string::npos; i = text.find(at, start)) {
        parts.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

// Plug-in texts store character 254 ("þ") and '~' for double quotes.
std::string quoted(std::string text) {
    return replaceAll(replaceAll(std::move(text), "\xC3\xBE", "\""), "~", "\"");
}

// A count before a list of fields: a 16-bit number, as the files write it.
int count(RecordReader& r) {
    const long n = r.readVariant().toLong();
    if (n < 0 || n > 32767) throw RecordError(RecordError::Kind::Overflow);
    return static_cast<int>(n);
}

// A syntax error in a plug-in text, or "" when it compiles: module code as it is, statements
// inside a procedure, where the player runs them.
std::string syntaxError(const std::string& code, bool statements) {
    if (code.empty()) return {};
    vbs::Config config;
    config.timeoutMs = 200;
    config.stepLimit = 100000;
    vbs::Runtime engine(config);
    const std::string text = statements ? "Sub Plugin_Check\r\n" + code + "\r\nEnd Sub" : code;
    if (engine.addCode(text) || !engine.lastError().compile) return {};
    const vbs::ErrorInfo& e = engine.lastError();
    return e.description + " (line " + std::to_string(statements ? e.line - 1 : e.line) + ")";
}

} // namespace

PluginRecord ReadPluginFile(RecordReader& r) {
    PluginRecord p;
    p.version = r.readVariant().toLong();
    for (int i = 2; i <= 8; ++i)
        r.readVariant();
    p.flagA = r.readVariant().toBoolean();
    p.flagB = r.readVariant().toBoolean();
    const int key = !p.flagA && p.flagB ? 100 : p.flagA && !p.flagB ? 200 : 0;
    auto scrambled = [&] {
        std::string text = r.readVariant().text();
        if (key != 0) text = platform::Cp1252ToUtf8(DecodePluginCode(platform::Utf8ToCp1252Lossy(text), key));
        return quoted(std::move(text));
    };
    auto names = [&](std::vector<std::string>& into) {
        for (int n = count(r), i = 0; i < n; ++i)
            into.push_back(r.readVariant().text());
    };
    r.readVariant(); // name text
    r.readVariant(); // display name
    r.readVariant(); // text 1
    p.identifier = r.readVariant().text();
    p.startCode = scrambled();
    p.frameCodeA = scrambled();
    p.code = scrambled();
    names(p.integerVariables);
    names(p.variantVariables);
    r.readVariant(); // option 1
    r.readVariant(); // option 2
    r.readVariant(); // text 2
    r.readVariant(); // name 1
    p.hotspotProcedure = quoted(r.readVariant().text());
    r.readVariant(); // name 3
    p.frameProcedure = quoted(r.readVariant().text());
    for (int n = count(r), i = 0; i < n; ++i) {
        for (int f = 0; f < (p.version > 1 ? 4 : 2); ++f)
            r.readVariant();
    }
    for (int n = count(r), i = 0; i < n; ++i)
        r.readVariant();
    if (p.version > 2) p.frameCodeB = scrambled();
    return p;
}

std::string ExpandPluginActions(const std::vector<PluginActionNames>& plugins, const std::string& text,
                                bool hotspotAction) {
    const std::vector<std::string> parts = split(replaceAll(text, kOpen, "{"), '{');
    std::string code;
    for (std::size_t p = 1; p < parts.size(); ++p) {
        const std::vector<std::string> pieces = split(replaceAll(parts[p], kClose, "}"), '}');
        const PluginActionNames* found = nullptr;
        for (const PluginActionNames& plugin : plugins)
            if (plugin.identifier == pieces[0]) found = &plugin;
        std::string yield;
        if (found) {
            yield = (hotspotAction ? found->hotspotProcedure : found->frameProcedure) + " ";
            for (std::size_t a = 1; a < pieces.size(); ++a)
                yield += (a > 1 ? ",\"" : "\"") + pieces[a] + "\"";
        }
        if (!code.empty()) code += "\r\n";
        code += yield;
    }
    return code;
}

void Plugins::LoadPlugins() {
    m_project.trace.note("LoadPlugins");
    m_loaded.clear();
    const std::string list = m_project.paths.config + "Plugins";
    if (!ProjectFileExists(list)) return;
    std::vector<std::string> names;
    try {
        RecordReader r = RecordReader::open(ExistingPath(list));
        for (int i = 0; i < 10; ++i)
            r.readVariant();
        std::set<std::string> taken;
        while (!r.atEnd()) {
            std::string name = r.readVariant().text();
            if (taken.insert(platform::LowerCaseWin(name)).second) names.push_back(std::move(name));
        }
    } catch (const std::exception& e) {
        // The names read before the damage still load.
        m_project.showErrorBox(" Error loading plugins. ", e.what());
    }
    for (const std::string& name : names) {
        const std::string file = m_project.paths.components + name + ".cp";
        if (name.empty() || !ProjectFileExists(file)) continue;
        // One damaged file is left out with its box; the plug-ins after it still load, so the
        // variables they declare are there for the scripts that use them.
        try {
            RecordReader r = RecordReader::open(ExistingPath(file));
            PluginRecord p = ReadPluginFile(r);
            p.file = name + ".cp";
            for (auto [text, statements, field] :
                 {std::tuple{&p.startCode, true, "game-start code"},
                  std::tuple{&p.frameCodeA, true, "frame code A"}, std::tuple{&p.code, false, "code"},
                  std::tuple{&p.frameCodeB, true, "frame code B"}}) {
                const std::string error = syntaxError(*text, statements);
                if (error.empty()) continue;
                m_project.showErrorBox(" Error loading plugins. The " + std::string(field) +
                                           " of the plugin \"" + p.identifier + "\" (" + p.file +
                                           ") is not valid script code and is left out: ",
                                       error);
                text->clear();
            }
            m_loaded.push_back(std::move(p));
        } catch (const std::exception& e) {
            m_project.showErrorBox(
                " Error loading plugins. The plugin file \"" + name + ".cp\" cannot be read: ", e.what());
        }
    }
}

std::string Plugins::ExpandPluginActions(const std::string& text, bool hotspotAction) const {
    std::vector<PluginActionNames> names;
    for (const PluginRecord& p : m_loaded)
        names.push_back({p.identifier, p.hotspotProcedure, p.frameProcedure});
    return run::ExpandPluginActions(names, text, hotspotAction);
}

PluginFrameCode Plugins::CollectPluginFrameCode() const {
    PluginFrameCode out;
    for (const PluginRecord& p : m_loaded) {
        if (!p.frameCodeA.empty()) out.before += p.frameCodeA + "\r\n";
        if (!p.frameCodeB.empty()) out.after += p.frameCodeB + "\r\n";
    }
    return out;
}

std::string Plugins::PluginCode() const {
    std::string out;
    for (const PluginRecord& p : m_loaded)
        out += p.code + "\r\n";
    return out;
}

std::string Plugins::PluginStartCode() const {
    std::string out;
    for (const PluginRecord& p : m_loaded)
        if (!p.startCode.empty()) out += p.startCode + "\r\n";
    return out;
}

PluginVariables Plugins::DeclaredVariables() const {
    PluginVariables out;
    for (const PluginRecord& p : m_loaded) {
        out.integers.insert(out.integers.end(), p.integerVariables.begin(), p.integerVariables.end());
        out.variants.insert(out.variants.end(), p.variantVariables.begin(), p.variantVariables.end());
    }
    return out;
}

} // namespace run
