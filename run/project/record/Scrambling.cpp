#include "run/project/record/Scrambling.h"

#include "run/platform/files/TextCodec.h"

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

// The shift of the character i places from the end, in the range of `span` codes from `low`.
std::int32_t unshift(std::int32_t c, std::int32_t low, std::int32_t span, std::int32_t key, std::int32_t i,
                     std::int32_t salt) {
    const std::int32_t shift = checked(std::int64_t(key) + std::int64_t(checked(std::int64_t(i) + salt)) *
                                                               kKey[std::size_t(i) % 21]);
    std::int32_t r = checked(std::int64_t(c) - low - shift) % span;
    if (r < 0) r += span;
    return r + low;
}

std::int32_t swapSpaceAndQuote(std::int32_t c) {
    return c == 32 ? 34 : c == 34 ? 32 : c;
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
        if (c >= 32 && c <= 126) c = unshift(c, 32, 94, key, i, salt);
        if (c > 0 && c < 256) out += static_cast<char>(c);
    }
    return out;
}

std::string DecodePluginCode(std::string_view stored, std::int32_t key) {
    std::string out;
    if (stored.empty()) return out;
    const std::int32_t n = checked(static_cast<std::int64_t>(stored.size()));
    const std::int32_t salt = static_cast<unsigned char>(stored[0]) - 35;
    out.reserve(stored.size());
    for (std::int32_t i = 0; i <= n - 2; ++i) {
        std::int32_t c =
            swapSpaceAndQuote(static_cast<unsigned char>(stored[static_cast<std::size_t>(n - i - 1)]));
        if (c >= 33 && c <= 125) c = unshift(c, 33, 93, key, i, salt);
        out += static_cast<char>(swapSpaceAndQuote(c));
    }
    return out;
}

} // namespace run
