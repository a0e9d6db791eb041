// The saved-game file: one record file with the fields of a GameState, some identification and
// the variant variables, in the order every player of this format writes and reads them.
#pragma once

#include "run/state/GameState.h"

#include <filesystem>
#include <string>

namespace run {

struct SaveIdentity {
    std::string projectName; // ProjectRegistryName
    std::string title;       // AdventureName
    std::string date;        // MM/DD/YYYY
};

// The date of saving as the file holds it.
std::string SaveDateText();

// Texts the record format cannot hold as they are (a double quote, a line break, a character
// without a Windows-1252 form) are written as "~UTF8~" and their UTF-8 bytes with %XX escapes;
// every other text is written as it is, so ordinary saves stay exactly the common format.
std::string EncodeSaveText(const std::string& utf8);
std::string DecodeSaveText(const std::string& stored);

// What a save file holds: the state, and which of the later groups it had (saves of older
// versions end before the history, or before the variant variables).
struct SaveContents {
    GameState state;
    bool hasHistory = true;
    bool hasVariants = true;
};

// The file's bytes for a state.
std::string SaveFileBytes(const GameState& state, const SaveIdentity& id);
// Writes the file through a temporary file in the same folder, flushed and renamed over the
// old one: a failure leaves any previous save as it was. Throws RecordError with the reason.
void WriteSaveFile(const std::filesystem::path& file, const GameState& state, const SaveIdentity& id);
// Reads a save; the groups after the items only when the file goes on. Throws RecordError
// (truncated, not numbers where numbers belong, missing file).
SaveContents ReadSaveFile(const std::filesystem::path& file);
SaveContents ReadSaveBytes(std::string bytes);

} // namespace run
