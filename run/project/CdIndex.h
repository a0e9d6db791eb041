// The index of a project spread over several CDs: which CD and folder hold each file.
#pragma once

#include <string>
#include <vector>

namespace run {

struct CdIndexEntry {
    std::string name;       // file name without folder
    std::string folderKind; // "1" Frames, "2" Areas (kept as text, as the index stores it)
    int cdNumber = 0;
};

struct CdIndex {
    int numberOfCds = 0;
    std::vector<CdIndexEntry> entries;
};

} // namespace run
