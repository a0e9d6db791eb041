#include "run/scripting/Procedures.h"

#include "run/platform/files/TextCodec.h"
#include "run/project/record/RecordError.h"

#include <array>
#include <limits>
#include <stdexcept>

namespace run {

namespace {

// The fixed key letters, as offsets from the space character.
constexpr std::array<int, 21> kKey = [] {
    std::array<int, 21> k{};
    constexpr std::string_view letters = "qmazkhwrtlpsyvnbucfgj";
    for (std::size_t j = 0; j < letters.size(); ++j)
        k[j] = letters[j] - 32;
    return k;
}();

std::int32_t checked(std::int64_t v) {
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw std::overflow_error("Overflow");
    return static_cast<std::int32_t>(v);
}

} // namespace

std::int32_t ProjectKeyNumber(std::string_view registryNameUtf8) {
    std::int64_t sum = 0;
    for (unsigned char c : platform::Utf8ToCp1252Lossy(registryNameUtf8))
        sum = checked(sum + c);
    return static_cast<std::int32_t>(sum);
}

std::string DecodeProceduresLine(std::string_view stored, std::int32_t key) {
    std::string out;
    if (stored.empty()) return out;
    const std::int32_t n = checked(static_cast<std::int64_t>(stored.size()));
    const std::int32_t salt = static_cast<unsigned char>(stored[0]) - 32;
    out.reserve(stored.size());
    for (std::int32_t i = 0; i <= n - 2; ++i) {
        std::int32_t c = static_cast<unsigned char>(stored[static_cast<std::size_t>(n - i - 1)]);
        if (c >= 32 && c <= 126) {
            std::int32_t shift =
                checked(std::int64_t(key) + std::int64_t(checked(std::int64_t(i) + salt)) * kKey[i % 21]);
            std::int32_t r = checked(std::int64_t(c) - 32 - shift) % 94;
            if (r < 0) r += 94;
            c = r + 32;
        }
        if (c > 0 && c < 256) out += static_cast<char>(c);
    }
    return out;
}

std::string ReadProceduresText(std::string_view bytes, bool scrambled, std::int32_t key) {
    std::size_t pos = 0;
    auto atEnd = [&] { return pos >= bytes.size(); };
    // A line ends at CR LF, CR or LF.
    auto nextLine = [&] {
        if (atEnd()) throw RecordError(RecordError::Kind::EndOfFile);
        std::size_t stop = bytes.find_first_of("\r\n", pos);
        if (stop == std::string_view::npos) stop = bytes.size();
        std::string_view line = bytes.substr(pos, stop - pos);
        pos = stop;
        if (pos < bytes.size() && bytes[pos++] == '\r' && pos < bytes.size() && bytes[pos] == '\n') ++pos;
        return line;
    };
    for (int i = 0; i < 3 && !atEnd(); ++i)
        nextLine();
    // At least one line follows the header: a file that ends before it cannot be read.
    std::string text;
    bool first = true;
    do {
        std::string_view line = nextLine();
        std::string decoded = scrambled ? DecodeProceduresLine(line, key) : std::string(line);
        if (!first) text += "\r\n";
        first = false;
        text += platform::Cp1252ToUtf8(decoded);
    } while (!atEnd());
    return text;
}

} // namespace run
