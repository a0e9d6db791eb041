// Record files as the player reads them: whole, as Windows-1252 text. A file saved as UTF-8
// (an editor's default) reads as other letters in play, and some characters have no
// Windows-1252 form at all; both are told once a file, where they first stand.
#include "run/checker/CheckContext.h"

#include "run/platform/files/AtomicFile.h"
#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordReader.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

namespace run::checker {

namespace {

// A record file larger than this is no record file a game could have been made with.
constexpr std::uintmax_t kLargestRecord = 64ull << 20;

bool undefinedInCp1252(unsigned char c) {
    return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

int lineAt(const std::string& bytes, std::size_t at) {
    return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
}

} // namespace

std::optional<RecordReader> CheckContext::openRecord(const std::string& found) {
    const std::string rel = relative(found);
    std::error_code ec;
    if (std::filesystem::is_directory(found, ec)) {
        findings.error(rel, "", "this is a folder, where the game needs a file");
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(found, ec);
    if (!ec && size > kLargestRecord) {
        findings.error(rel, "",
                       "the file is too large to be a record file (" + std::to_string(size >> 20) + " MB)");
        return std::nullopt;
    }
    auto bytes = platform::ReadWholeFile(found);
    if (!bytes) {
        findings.error(rel, "", "the file cannot be read");
        return std::nullopt;
    }
    checkEncoding(rel, *bytes);
    return RecordReader::fromBytes(std::move(*bytes));
}

void CheckContext::checkEncoding(const std::string& rel, const std::string& bytes) {
    std::size_t firstUtf8 = std::string::npos, firstForeign = std::string::npos;
    std::size_t firstUndefined = std::string::npos;
    bool allUtf8 = true;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (undefinedInCp1252(c) && firstUndefined == std::string::npos) firstUndefined = i;
        const std::size_t n = platform::Utf8CharLength(bytes, i);
        if (n == 0) {
            allUtf8 = false;
            ++i;
            continue;
        }
        if (firstUtf8 == std::string::npos) firstUtf8 = i;
        if (firstForeign == std::string::npos && !platform::IsCp1252Representable(bytes.substr(i, n)))
            firstForeign = i;
        i += n;
    }
    if (firstUtf8 != std::string::npos && allUtf8) {
        // Saved as UTF-8: the player reads each byte as a letter of its own.
        const std::size_t at = firstForeign != std::string::npos ? firstForeign : firstUtf8;
        const std::string character = bytes.substr(at, platform::Utf8CharLength(bytes, at));
        std::string message = "the text is saved as UTF-8: the game reads \"" + character + "\" as \"" +
                              platform::Cp1252ToUtf8(character) + "\"";
        message += firstForeign != std::string::npos
                       ? ", and Windows-1252 cannot hold \"" + character + "\" at all"
                       : "; save the file as Windows-1252";
        findings.warning(rel, "line " + std::to_string(lineAt(bytes, at)), message);
        return;
    }
    if (firstUndefined != std::string::npos) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(bytes[firstUndefined]));
        findings.warning(rel, "line " + std::to_string(lineAt(bytes, firstUndefined)),
                         std::string("the byte ") + hex + " is no Windows-1252 character");
    }
}

} // namespace run::checker
