// One block of a frame's hotspot list (FramesData/<frame>.fm2, or .mr2 for merged frames): where
// the hotspot lies, its picture, pointer, visibility lists, animation speed and video.
#pragma once

#include "run/media/Video.h"

#include <string>
#include <vector>

namespace run {

class RecordReader;

struct HotspotBlock {
    int mergeMark = 0;
    int left = 0, top = 0, width = 0, height = 0; // twips, border included
    bool animated = false;
    bool hasPicture = false;
    std::string pictureFile; // in the Areas folder
    bool stretch = false;
    std::string cursorFile; // in the Icons folder
    bool hasConditions = false;
    std::vector<std::string> hideIf, showIf; // variable names
    double animationSpeed = 0;
    bool isVideo = false;
    HotspotVideo video; // its file in the Frames folder
};

// Reads the block at the reader's position, its separator included. Throws the record errors of
// a damaged block.
HotspotBlock ReadHotspotBlock(RecordReader& r);

} // namespace run
