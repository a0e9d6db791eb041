// The game's map: Graphviz lays the frames out and draws the SVG; the thumbnails are PNG files
// while it works and are put into the SVG itself afterwards, so the map is one file.
#include "run/checker/ProjectMap.h"

#include "run/platform/files/TextCodec.h"
#include "run/platform/graphics/Picture.h"

#include <graphviz/cgraph.h>
#include <graphviz/gvc.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <system_error>

#include <sys/wait.h>
#include <unistd.h>

namespace run::checker {

namespace fs = std::filesystem;

namespace {

constexpr int kThumbWidth = 96, kThumbHeight = 72;
constexpr const char* kWarning = "#d9822b";
constexpr const char* kBroken = "#c0392b";

std::string lower(const std::string& s) {
    return platform::LowerCaseWin(s);
}

std::string html(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string base64(const std::string& bytes) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v =
            (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8 | (unsigned char)bytes[i + 2];
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += digits[(v >> 6) & 63];
        out += digits[v & 63];
    }
    if (i + 1 == bytes.size()) {
        const unsigned v = (unsigned char)bytes[i] << 16;
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += "==";
    } else if (i + 2 == bytes.size()) {
        const unsigned v = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8;
        out += digits[v >> 18];
        out += digits[(v >> 12) & 63];
        out += digits[(v >> 6) & 63];
        out += '=';
    }
    return out;
}

void set(void* object, const char* name, const std::string& value) {
    agsafeset(object, const_cast<char*>(name), const_cast<char*>(value.c_str()), const_cast<char*>(""));
}

// A temporary folder that goes with its thumbnails.
struct Scratch {
    fs::path folder;
    Scratch() {
        std::error_code ec;
        folder = fs::temp_directory_path(ec) / ("run-map-" + std::to_string(::getpid()));
        fs::create_directories(folder, ec);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

} // namespace

namespace {

std::string drawMap(const MapData& game, const fs::path& svgFile) {
    Scratch scratch;
    GVC_t* gvc = gvContext();
    Agraph_t* g = agopen(const_cast<char*>("game"), Agdirected, nullptr);
    set(g, "rankdir", "LR");
    set(g, "fontname", "Helvetica");
    set(g, "bgcolor", "white");
    agattr(g, AGNODE, const_cast<char*>("fontname"), const_cast<char*>("Helvetica"));
    agattr(g, AGEDGE, const_cast<char*>("fontname"), const_cast<char*>("Helvetica"));
    agattr(g, AGEDGE, const_cast<char*>("fontsize"), const_cast<char*>("10"));

    std::map<std::string, Agnode_t*> nodes;    // lower-case frame name → node
    std::map<std::string, std::string> thumbs; // thumbnail path → its bytes, for the SVG
    int next = 0;
    for (const std::string& frame : game.frames) {
        Agnode_t* n = agnode(g, const_cast<char*>(("f" + std::to_string(next++)).c_str()), 1);
        nodes[lower(frame)] = n;
        set(n, "shape", "box");
        set(n, "style", "rounded,filled");
        const bool initial = lower(frame) == lower(game.initialFrame);
        const bool reached = game.reached.count(lower(frame)) != 0;
        set(n, "fillcolor", reached ? "#f4f6f8" : "#fbe3cf");
        set(n, "color", initial ? "#2c7a3f" : (reached ? "#5b6770" : kWarning));
        set(n, "penwidth", initial ? "3" : "1");
        std::string image;
        auto picture = game.framePictures.find(frame);
        if (picture != game.framePictures.end()) {
            const platform::PictureResult loaded = platform::LoadPictureFile(picture->second);
            if (loaded.picture) {
                platform::Canvas thumb(kThumbWidth, kThumbHeight);
                thumb.stretch(loaded.picture->image, loaded.picture->image.bounds(), thumb.bounds());
                const fs::path file = scratch.folder / ("t" + std::to_string(next) + ".png");
                if (platform::SavePng(thumb, file.string()).empty()) image = file.string();
            }
        }
        std::string label = "<<TABLE BORDER=\"0\" CELLSPACING=\"2\">";
        if (!image.empty())
            label += "<TR><TD FIXEDSIZE=\"TRUE\" WIDTH=\"96\" HEIGHT=\"72\"><IMG SRC=\"" + html(image) +
                     "\"/></TD></TR>";
        label += "<TR><TD>" + html(frame) + (initial ? " (start)" : "") + "</TD></TR></TABLE>>";
        // An HTML label is given as a string of its own kind.
        char* h = agstrdup_html(g, const_cast<char*>(label.substr(1, label.size() - 2).c_str()));
        agsafeset(n, const_cast<char*>("label"), h, const_cast<char*>(""));
        agstrfree(g, h);
        if (!image.empty()) {
            std::ifstream in(image, std::ios::binary);
            thumbs[image] = std::string(std::istreambuf_iterator<char>(in), {});
        }
    }

    // One arrow for each way between two frames; what makes it is its label.
    std::map<std::pair<Agnode_t*, Agnode_t*>, std::set<std::string>> arrows;
    std::map<std::pair<Agnode_t*, std::string>, std::set<std::string>> broken;
    for (const FrameLink& l : game.links) {
        auto from = nodes.find(lower(l.from));
        if (from == nodes.end() || l.to.empty()) continue;
        if (l.broken) {
            broken[{from->second, l.to}].insert(l.label);
            continue;
        }
        auto to = nodes.find(lower(l.to));
        if (to != nodes.end()) arrows[{from->second, to->second}].insert(l.label);
    }
    auto joined = [](const std::set<std::string>& labels) {
        std::string text;
        for (const std::string& s : labels)
            text += (text.empty() ? "" : ", ") + s;
        return text;
    };
    for (const auto& [ends, labels] : arrows) {
        Agedge_t* e = agedge(g, ends.first, ends.second, nullptr, 1);
        set(e, "label", joined(labels));
        set(e, "color", "#5b6770");
    }
    for (const auto& [ends, labels] : broken) {
        Agnode_t* missing = agnode(g, const_cast<char*>(("m" + std::to_string(next++)).c_str()), 1);
        set(missing, "shape", "box");
        set(missing, "style", "dashed");
        set(missing, "color", kBroken);
        set(missing, "fontcolor", kBroken);
        set(missing, "label", "missing: " + ends.second);
        Agedge_t* e = agedge(g, ends.first, missing, nullptr, 1);
        set(e, "label", joined(labels));
        set(e, "color", kBroken);
        set(e, "fontcolor", kBroken);
        set(e, "style", "dashed");
    }

    std::string problem;
    char* data = nullptr;
    unsigned int length = 0;
    if (gvLayout(gvc, g, "dot") != 0) {
        problem = "Graphviz could not lay the map out";
    } else {
        if (gvRenderData(gvc, g, "svg", &data, &length) != 0 || !data)
            problem = "Graphviz could not draw the map";
        gvFreeLayout(gvc, g);
    }
    std::string svg = data ? std::string(data, length) : std::string();
    if (data) gvFreeRenderData(data);
    agclose(g);
    gvFreeContext(gvc);
    if (!problem.empty()) return problem;

    // The thumbnails go into the SVG, so it needs nothing beside it.
    for (const auto& [path, bytes] : thumbs) {
        const std::string from = "xlink:href=\"" + path + "\"";
        const std::string to = "xlink:href=\"data:image/png;base64," + base64(bytes) + "\"";
        for (std::size_t at = svg.find(from); at != std::string::npos; at = svg.find(from, at + to.size()))
            svg.replace(at, from.size(), to);
    }
    std::ofstream out(svgFile, std::ios::binary);
    out << svg;
    out.close();
    if (!out) return "the map cannot be written to " + svgFile.string();
    return {};
}

} // namespace

std::string WriteProjectMap(const MapData& game, const fs::path& svgFile) {
    int pipe[2];
    if (::pipe(pipe) != 0) return "the map cannot be drawn: no pipe";
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipe[0]);
        ::close(pipe[1]);
        return "the map cannot be drawn: no process";
    }
    if (child == 0) {
        ::close(pipe[0]);
        const std::string problem = drawMap(game, svgFile);
        std::size_t done = 0;
        while (done < problem.size()) {
            const ssize_t n = ::write(pipe[1], problem.data() + done, problem.size() - done);
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        ::_exit(problem.empty() ? 0 : 1); // no destructor of this process runs in the child
    }
    ::close(pipe[1]);
    std::string problem;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        problem.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (problem.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
        problem = "the map could not be drawn (Graphviz stopped)";
    return problem;
}

} // namespace run::checker
