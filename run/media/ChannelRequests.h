// The audio channel request block that frame and hotspot action files carry: a fade length and
// one request per channel (command, fade, loop, level, file).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace run {

class RecordReader;

struct ChannelRequestEntry {
    std::int16_t command = 0;
    bool fade = false;
    bool loop = false;
    double level = 0;
    std::string file; // relative to the Areas folder
};

struct ChannelRequestBlock {
    double fadeSeconds = 0; // the fade length in ms / 1000
    int valuesPerEntry = 0;
    std::vector<ChannelRequestEntry> entries; // entry k is the request for channel k (at most 7)
};

// Reads the block at the reader's position. Entries are read only when there are at most five
// values each; missing trailing values repeat those of the previous entry. Entries past the
// seventh are read and dropped when `dropExtra` is set, and are a failure otherwise.
ChannelRequestBlock ReadChannelRequestBlock(RecordReader& r, bool dropExtra);

// The number at the start of a text ("2.5 s" → 2.5); 0 when it does not begin with a number.
double LeadingNumber(const std::string& text);

} // namespace run
