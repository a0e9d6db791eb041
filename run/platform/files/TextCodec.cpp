#include "run/platform/files/TextCodec.h"

#include <array>
#include <cstdint>

namespace run::platform {

std::string TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}
namespace {

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kInvalid = 0xFFFFFFFF;

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point at `i`, advancing `i`. Malformed input (bad lead byte,
// truncation, overlong form, surrogate, beyond U+10FFFF) yields kInvalid and skips one byte.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
    const auto b0 = std::uint8_t(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++i;
        return kInvalid;
    }
    if (s.size() - i < std::size_t(len)) {
        ++i;
        return kInvalid;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = std::uint8_t(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return kInvalid;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return kInvalid;
    }
    i += len;
    return cp;
}

// Windows-1252 byte for a code point, or -1.
int toCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] == cp) return 0x80 + k;
    return -1;
}

char32_t lowerCp(char32_t cp) {
    if (cp >= 'A' && cp <= 'Z') return cp + 32;
    if (cp < 0xC0) return cp;
    if (cp <= 0xDE && cp != 0xD7) return cp + 32;
    switch (cp) {
    case 0x0160:
        return 0x0161; // Š
    case 0x0152:
        return 0x0153; // Œ
    case 0x017D:
        return 0x017E; // Ž
    case 0x0178:
        return 0x00FF; // Ÿ
    default:
        return cp;
    }
}

// Next code point for case folding; a malformed byte stands for itself, tagged so it
// never equals a real code point.
char32_t nextForCompare(std::string_view s, std::size_t& i) {
    const std::size_t start = i;
    const char32_t cp = decodeUtf8(s, i);
    if (cp == kInvalid) return 0x80000000u | std::uint8_t(s[start]);
    return lowerCp(cp);
}

} // namespace

std::size_t Utf8CharLength(std::string_view bytes, std::size_t i) {
    if (i >= bytes.size()) return 0;
    std::size_t next = i;
    return decodeUtf8(bytes, next) == kInvalid ? 0 : next - i;
}

std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = Utf8CharLength(bytes, i);
        if (n == 0) {
            out += Cp1252ToUtf8(bytes.substr(i, 1));
            ++i;
        } else {
            out.append(bytes.substr(i, n));
            i += n;
        }
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::size_t ascii = 0;
    while (ascii < bytes.size() && std::uint8_t(bytes[ascii]) < 0x80)
        ++ascii;
    if (ascii == bytes.size()) return std::string(bytes);
    std::string out(bytes.substr(0, ascii));
    bytes.remove_prefix(ascii);
    out.reserve(out.size() + bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto b = std::uint8_t(c);
        if (b < 0x80)
            out += c;
        else if (b < 0xA0)
            appendUtf8(out, kHigh[b - 0x80]);
        else
            appendUtf8(out, b);
    }
    return out;
}

bool Utf8ToCp1252(std::string_view utf8, std::string& out) {
    out.clear();
    out.reserve(utf8.size());
    bool ok = true;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = decodeUtf8(utf8, i);
        const int b = cp == kInvalid ? -1 : toCp1252(cp);
        if (b < 0) {
            ok = false;
            out += '?';
        } else {
            out += char(b);
        }
    }
    return ok;
}

std::string Utf8ToCp1252Lossy(std::string_view utf8) {
    std::string out;
    Utf8ToCp1252(utf8, out);
    return out;
}

bool IsCp1252Representable(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t cp = decodeUtf8(utf8, i);
        if (cp == kInvalid || toCp1252(cp) < 0) return false;
    }
    return true;
}

std::string LowerCaseWin(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::size_t start = i;
        const char32_t cp = decodeUtf8(utf8, i);
        if (cp == kInvalid)
            out += utf8[start];
        else
            appendUtf8(out, lowerCp(cp));
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = std::uint8_t(a[i]), cb = std::uint8_t(b[j]);
        if (ca < 0x80 && cb < 0x80) {
            // ASCII fast path: the common case for file and key names.
            const auto la = (ca >= 'A' && ca <= 'Z') ? ca + 32 : ca;
            const auto lb = (cb >= 'A' && cb <= 'Z') ? cb + 32 : cb;
            if (la != lb) return false;
            ++i, ++j;
            continue;
        }
        if (nextForCompare(a, i) != nextForCompare(b, j)) return false;
    }
    return i == a.size() && j == b.size();
}

} // namespace run::platform
