#include "run/frames/Plugins.h"

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

} // namespace

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
    m_trace.note("LoadPlugins");
}

std::string Plugins::ExpandPluginActions(const std::string& text, bool hotspotAction) const {
    return run::ExpandPluginActions(m_loaded, text, hotspotAction);
}

PluginFrameCode Plugins::CollectPluginFrameCode() const {
    return {};
}

} // namespace run
