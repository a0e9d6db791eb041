// `run --check --map FILE.svg`: the game drawn as a picture an author reads at a glance. Every
// frame is a box with its name and a small picture of its background, the initial frame marked;
// every way between frames is an arrow labelled by what makes it (a hotspot, the frame timer, a
// script, the conversation); frames nothing leads to and links to frames that do not exist are
// drawn in a warning colour. Graphviz lays it out.
#pragma once

#include "run/checker/CheckContext.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace run::checker {

// What the map shows, taken from a checked game.
struct MapData {
    std::vector<std::string> frames;
    std::vector<FrameLink> links;
    std::string initialFrame;
    std::set<std::string> reached;                    // lower case
    std::map<std::string, std::string> framePictures; // frame → its picture file
};

// Writes the map; the failure's description, or "" when it was written. Graphviz's text layout
// keeps fontconfig caches that the player's own fonts would trip over when they close, so the
// drawing runs in a child process of its own and this process's fonts are never touched.
std::string WriteProjectMap(const MapData& game, const std::filesystem::path& svgFile);

} // namespace run::checker
