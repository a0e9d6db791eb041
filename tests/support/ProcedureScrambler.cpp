#include "tests/support/ProcedureScrambler.h"

#include "run/platform/files/TextCodec.h"

#include <array>

namespace run::testing {

namespace {

constexpr std::string_view kLetters = "qmazkhwrtlpsyvnbucfgj";

} // namespace

std::string ScrambleProceduresLine(std::string_view plain, std::int32_t key, char salt) {
    const std::int64_t s = static_cast<unsigned char>(salt) - 32;
    std::string out(plain.size() + 1, ' ');
    out[0] = salt;
    // The reader takes characters from the last to the second: character i of the text is
    // stored at position n - i - 1.
    const std::size_t n = out.size();
    for (std::size_t i = 0; i < plain.size(); ++i) {
        int c = static_cast<unsigned char>(plain[i]);
        if (c >= 32 && c <= 126) {
            std::int64_t shift = std::int64_t(key) + (std::int64_t(i) + s) * (kLetters[i % 21] - 32);
            c = static_cast<int>(((c - 32 + shift) % 94 + 94) % 94) + 32;
        }
        out[n - i - 1] = static_cast<char>(c);
    }
    return out;
}

std::string ScramblePluginCode(std::string_view plain, std::int32_t key, char salt) {
    const std::int64_t s = static_cast<unsigned char>(salt) - 35;
    std::string out(plain.size() + 1, ' ');
    out[0] = salt;
    const std::size_t n = out.size();
    auto swap = [](int c) { return c == 32 ? 34 : c == 34 ? 32 : c; };
    for (std::size_t i = 0; i < plain.size(); ++i) {
        int c = swap(static_cast<unsigned char>(plain[i]));
        if (c >= 33 && c <= 125) {
            std::int64_t shift = std::int64_t(key) + (std::int64_t(i) + s) * (kLetters[i % 21] - 32);
            c = static_cast<int>(((c - 33 + shift) % 93 + 93) % 93) + 33;
        }
        out[n - i - 1] = static_cast<char>(swap(c));
    }
    return out;
}

std::string ProceduresFileBytes(std::string_view text, std::int32_t key) {
    std::string bytes = "Procedures\r\nversion 1\r\n\r\n";
    const std::string plain = platform::Utf8ToCp1252Lossy(text);
    std::size_t start = 0;
    while (true) {
        std::size_t end = plain.find('\n', start);
        std::string line = plain.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        bytes += key >= 0 ? ScrambleProceduresLine(line, key) : line;
        if (end == std::string::npos) break;
        bytes += "\r\n";
        start = end + 1;
    }
    return bytes;
}

} // namespace run::testing
