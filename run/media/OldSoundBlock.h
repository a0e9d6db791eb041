// The sound block of games made with the authoring tool's earlier versions (a frame's .chn file,
// a hotspot's block in .fm5): 22 fields, then five channels, each stopped or given a file
// (in the Areas folder) to play once or over and over.
#pragma once

#include <functional>
#include <string>

namespace run {

class RecordReader;

struct OldSoundChannel {
    int channel = 0; // 1 … 5
    bool stop = false, play = false, loop = false;
    std::string file;
};

// Reads the block at the reader's position, handing each channel over as it is read; stops at
// the block's end. Throws RecordError where the block does not read (the channels before it
// were handed over).
void ReadOldSoundBlock(RecordReader& r, const std::function<void(const OldSoundChannel&)>& each);

} // namespace run
