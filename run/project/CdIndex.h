// The index of a project spread over several CDs: which CD and folder hold each file.
#pragma once

#include <functional>
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

class RecordReader;

// The CD index file as written: its number of CDs (set before the first entry is handed over),
// then each entry's name, CD number and folder kind, unchecked. Throws RecordError where the
// file does not read.
void ReadCdIndexFile(RecordReader& r, int& numberOfCds,
                     const std::function<void(const std::string& name, int cd, int kind)>& each);
// Whether the index keeps an entry: a name, a CD the game has, a folder kind.
inline bool CdIndexKeeps(const std::string& name, int cd, int kind, int numberOfCds) {
    return !name.empty() && cd >= 1 && cd <= numberOfCds && kind != 0;
}

} // namespace run
