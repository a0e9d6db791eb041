// Translation of the classic RegExp pattern syntax into PCRE2's.
//
// The classic syntax is ECMAScript 3's. Rather than trusting PCRE2 options to
// approximate it, the pattern is translated: every character PCRE2 could read
// differently (\a \e \A \z \Q \p \K, (?<, (*, POSIX brackets ...) is emitted
// as an escaped code unit, so classic identity escapes stay literal and the
// classic errors (5017..5021) are raised by our own parser. The PCRE2 side:
// * non-UTF 16-bit mode: a code unit is a character, as in the classic engine,
//   so lone surrogates in subjects are just characters (PCRE2_MATCH_INVALID_UTF
//   would force UTF mode and make `.` take a pair as one);
// * PCRE2_ALT_BSUX: our output spells characters \uhhhh;
// * PCRE2_DOLLAR_ENDONLY: `$` without Multiline is the very end only;
// * `.` is [^\n]: the classic `.` excludes only the line feed, not \r;
// * Multiline ^ / $ are look-arounds on \n and \r, the classic line ends;
// * PCRE2_MATCH_UNSET_BACKREF: a reference to a group that took no part
//   matches the empty string;
// * \d \w \s are ASCII sets; IgnoreCase adds PCRE2_CASELESS | PCRE2_UCP for
//   Unicode case folding, with those sets and \b kept case-sensitive.
#include "RegExp.h"

#include "../Errors.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vbs {

namespace {

struct Range {
    char16_t lo, hi;
};

enum : uint8_t { kDigit = 1, kNotDigit = 2, kWord = 4, kNotWord = 8, kSpace = 16, kNotSpace = 32 };

// The documented classic sets: \d = [0-9], \w = [A-Za-z0-9_], \s = [ \f\n\r\t\v].
void appendEscapeRanges(std::vector<Range>& out, uint8_t bits) {
    if (bits & kDigit) out.push_back({u'0', u'9'});
    if (bits & kNotDigit) out.insert(out.end(), {{0, u'/'}, {u':', 0xFFFF}});
    if (bits & kWord) out.insert(out.end(), {{u'0', u'9'}, {u'A', u'Z'}, {u'_', u'_'}, {u'a', u'z'}});
    if (bits & kNotWord)
        out.insert(out.end(), {{0, u'/'}, {u':', u'@'}, {u'[', u'^'}, {u'`', u'`'}, {u'{', 0xFFFF}});
    if (bits & kSpace) out.insert(out.end(), {{9, 13}, {u' ', u' '}});
    if (bits & kNotSpace) out.insert(out.end(), {{0, 8}, {14, 31}, {u'!', 0xFFFF}});
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
bool isOctal(char16_t c) {
    return c >= u'0' && c <= u'7';
}
bool isLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}
int hexValue(char16_t c) {
    if (isDigit(c)) return c - u'0';
    if (c >= u'a' && c <= u'f') return c - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c - u'A' + 10;
    return -1;
}

// Outside classes the classic \b must stay ASCII even when UCP is on.
constexpr std::u16string_view kAsciiBoundary =
    u"(?-i:(?<=[0-9A-Z_a-z])(?![0-9A-Z_a-z])|(?<![0-9A-Z_a-z])(?=[0-9A-Z_a-z]))";
constexpr std::u16string_view kAsciiNonBoundary =
    u"(?-i:(?<=[0-9A-Z_a-z])(?=[0-9A-Z_a-z])|(?<![0-9A-Z_a-z])(?![0-9A-Z_a-z]))";

// Counts capturing groups first: whether \12 is a back-reference depends on it.
uint32_t countGroups(std::u16string_view s) {
    uint32_t count = 0;
    bool inClass = false;
    for (size_t i = 0; i < s.size(); ++i) {
        char16_t c = s[i];
        if (c == u'\\') {
            ++i;
            continue;
        }
        if (inClass) {
            if (c == u']') inClass = false;
            continue;
        }
        if (c == u'[')
            inClass = true;
        else if (c == u'(' && !(i + 1 < s.size() && s[i + 1] == u'?'))
            ++count;
    }
    return count;
}

class Translator {
  public:
    Translator(std::u16string_view s, bool caseless, bool multiline)
        : m_s(s), m_caseless(caseless), m_multiline(multiline) {}

    TranslatedPattern run() {
        m_groups = countGroups(m_s);
        while (m_i < m_s.size() && !m_error)
            term();
        if (!m_error && m_open > 0) m_error = int32_t(Err::RegExpExpectedParen);
        TranslatedPattern t;
        t.error = m_error;
        t.groups = m_groups;
        if (!m_error) t.pcre = std::move(m_out);
        return t;
    }

  private:
    struct ClassAtom {
        uint8_t bits; // an escape class, or 0 for the character ch
        char16_t ch;
    };

    void fail(Err e) {
        if (!m_error) m_error = int32_t(e);
    }
    bool more() const { return m_i < m_s.size(); }
    char16_t peek(size_t ahead = 0) const { return m_i + ahead < m_s.size() ? m_s[m_i + ahead] : 0; }

    void term() {
        char16_t c = m_s[m_i++];
        switch (c) {
        case u'|':
            m_out += u'|';
            m_quantifiable = false;
            break;
        case u'(':
            group();
            break;
        case u')':
            if (m_open == 0) return fail(Err::RegExpSyntax);
            --m_open;
            m_out += u')';
            m_quantifiable = true;
            break;
        case u'^':
            m_out += m_multiline ? u"(?<![^\\n\\r])" : u"^";
            m_quantifiable = false;
            break;
        case u'$':
            m_out += m_multiline ? u"(?![^\\n\\r])" : u"$";
            m_quantifiable = false;
            break;
        case u'.':
            m_out += u"[^\\n]";
            m_quantifiable = true;
            break;
        case u'*':
        case u'+':
        case u'?':
            quantifier(std::u16string(1, c));
            break;
        case u'{':
            braces();
            break;
        case u'[':
            charClass();
            break;
        case u'\\':
            escape();
            break;
        default:
            literal(c);
        }
    }

    void group() {
        if (peek() == u'?') {
            char16_t kind = peek(1);
            if (kind != u':' && kind != u'=' && kind != u'!') return fail(Err::RegExpSyntax);
            m_out += u"(?";
            m_out += kind;
            m_i += 2;
        } else {
            m_out += u'(';
        }
        ++m_open;
        m_quantifiable = false;
    }

    void quantifier(std::u16string q) {
        if (!m_quantifiable) return fail(Err::RegExpQuantifier);
        m_out += q;
        if (peek() == u'?') {
            m_out += u'?';
            ++m_i;
        }
        m_quantifiable = false;
    }

    // {n} {n,} {n,m}; any other brace is a literal character.
    void braces() {
        size_t at = m_i;
        auto number = [&](uint32_t& v) {
            if (!isDigit(peek())) return false;
            v = 0;
            while (isDigit(peek()))
                v = std::min<uint32_t>(v * 10 + uint32_t(m_s[m_i++] - u'0'), 1000000000u);
            return true;
        };
        uint32_t lo = 0, hi = 0;
        bool bounded = true, ok = number(lo);
        if (ok) {
            hi = lo;
            if (peek() == u',') {
                ++m_i;
                bounded = number(hi);
            }
            ok = peek() == u'}';
        }
        if (!ok) {
            m_i = at;
            return literal(u'{');
        }
        ++m_i;
        if (!m_quantifiable) return fail(Err::RegExpQuantifier);
        // PCRE2 repeats at most 65535 times.
        if ((bounded && hi < lo) || lo > 65535 || (bounded && hi > 65535)) return fail(Err::RegExpSyntax);
        std::u16string q = u"{" + number16(lo);
        if (!bounded)
            q += u",";
        else if (hi != lo)
            q += u"," + number16(hi);
        quantifier(q + u"}");
    }

    static std::u16string number16(uint32_t v) {
        std::string s = std::to_string(v);
        return {s.begin(), s.end()};
    }

    void escape() {
        if (!more()) return fail(Err::RegExpSyntax);
        char16_t c = m_s[m_i++];
        switch (c) {
        case u'b':
            m_out += m_caseless ? kAsciiBoundary : u"\\b";
            m_quantifiable = false;
            return;
        case u'B':
            m_out += m_caseless ? kAsciiNonBoundary : u"\\B";
            m_quantifiable = false;
            return;
        case u'd':
            return set({}, kDigit, false);
        case u'D':
            return set({}, kNotDigit, false);
        case u'w':
            return set({}, kWord, false);
        case u'W':
            return set({}, kNotWord, false);
        case u's':
            return set({}, kSpace, false);
        case u'S':
            return set({}, kNotSpace, false);
        default:
            break;
        }
        if (!isDigit(c)) return literal(characterEscape(c));
        if (c == u'0') return literal(octal(c));
        // \n is a back-reference when there are n groups, else an octal escape;
        // \nm refers to group nm if it exists, else to group n followed by m.
        size_t start = m_i - 1, best = 0;
        uint32_t v = 0, bestValue = 0;
        for (size_t k = start; k < m_s.size() && k < start + 2 && isDigit(m_s[k]); ++k) {
            v = v * 10 + uint32_t(m_s[k] - u'0');
            if (v >= 1 && v <= m_groups) {
                best = k + 1;
                bestValue = v;
            }
        }
        if (best) {
            m_i = best;
            m_out += u"\\g{" + number16(bestValue) + u"}";
            m_quantifiable = true;
            return;
        }
        literal(isOctal(c) ? octal(c) : c);
    }

    // \f \n \r \t \v \cX \xhh \uhhhh; any other character stands for itself.
    char16_t characterEscape(char16_t c) {
        switch (c) {
        case u'f':
            return 0x0C;
        case u'n':
            return 0x0A;
        case u'r':
            return 0x0D;
        case u't':
            return 0x09;
        case u'v':
            return 0x0B;
        case u'c':
            if (isLetter(peek())) return char16_t(m_s[m_i++] % 32);
            return u'c';
        case u'x':
        case u'u': {
            int digits = c == u'x' ? 2 : 4, value = 0;
            for (int k = 0; k < digits; ++k) {
                int h = hexValue(peek(size_t(k)));
                if (h < 0) return c;
                value = value * 16 + h;
            }
            m_i += size_t(digits);
            return char16_t(value);
        }
        default:
            return c;
        }
    }

    // One to three octal digits, the first already read, up to \377.
    char16_t octal(char16_t first) {
        unsigned v = unsigned(first - u'0');
        for (int k = 0; k < 2 && isOctal(peek()); ++k) {
            unsigned next = v * 8 + unsigned(peek() - u'0');
            if (next > 255) break;
            v = next;
            ++m_i;
        }
        return char16_t(v);
    }

    void literal(char16_t c) {
        emitChar(c);
        m_quantifiable = true;
    }

    void emitChar(char16_t c) {
        if (isDigit(c) || isLetter(c)) {
            m_out += c;
            return;
        }
        static const char16_t hex[] = u"0123456789abcdef";
        m_out += u"\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            m_out += hex[(c >> shift) & 15];
    }

    void charClass() {
        bool negated = peek() == u'^';
        if (negated) ++m_i;
        std::vector<Range> chars;
        uint8_t bits = 0;
        auto add = [&](ClassAtom a) {
            if (a.bits)
                bits |= a.bits;
            else
                chars.push_back({a.ch, a.ch});
        };
        for (;;) {
            if (!more()) return fail(Err::RegExpExpectedBracket);
            if (peek() == u']') {
                ++m_i;
                break;
            }
            ClassAtom a = classAtom();
            if (m_error) return;
            if (peek() == u'-' && m_i + 1 < m_s.size() && m_s[m_i + 1] != u']') {
                ++m_i;
                ClassAtom b = classAtom();
                if (m_error) return;
                if (a.bits || b.bits) {
                    // A range with a class escape at either end: both ends and '-' are members.
                    add(a);
                    chars.push_back({u'-', u'-'});
                    add(b);
                } else if (a.ch > b.ch) {
                    return fail(Err::RegExpInvalidRange);
                } else {
                    chars.push_back({a.ch, b.ch});
                }
            } else {
                add(a);
            }
        }
        set(chars, bits, negated);
    }

    ClassAtom classAtom() {
        char16_t c = m_s[m_i++];
        if (c != u'\\') return {0, c};
        if (!more()) {
            fail(Err::RegExpExpectedBracket);
            return {0, 0};
        }
        c = m_s[m_i++];
        switch (c) {
        case u'd':
            return {kDigit, 0};
        case u'D':
            return {kNotDigit, 0};
        case u'w':
            return {kWord, 0};
        case u'W':
            return {kNotWord, 0};
        case u's':
            return {kSpace, 0};
        case u'S':
            return {kNotSpace, 0};
        case u'b':
            return {0, 0x08}; // backspace inside a class
        default:
            break;
        }
        if (isOctal(c)) return {0, octal(c)};
        return {0, characterEscape(c)};
    }

    void emitClass(const std::vector<Range>& ranges, bool negated) {
        m_out += u'[';
        if (negated) m_out += u'^';
        for (const Range& r : ranges) {
            emitChar(r.lo);
            if (r.hi != r.lo) {
                m_out += u'-';
                emitChar(r.hi);
            }
        }
        m_out += u']';
    }

    // Emits one quantifiable item for a set of characters plus escape classes.
    // Under IgnoreCase the escape classes are matched case-sensitively: case
    // folding would let \W match 'k' through the Kelvin sign.
    void set(const std::vector<Range>& chars, uint8_t bits, bool negated) {
        m_quantifiable = true;
        std::vector<Range> esc;
        appendEscapeRanges(esc, bits);
        if (chars.empty() && esc.empty()) {
            // [] matches nothing, [^] any character.
            m_out += negated ? u"[\\u0000-\\uffff]" : u"[^\\u0000-\\uffff]";
            return;
        }
        if (!m_caseless || esc.empty()) {
            std::vector<Range> all = chars;
            all.insert(all.end(), esc.begin(), esc.end());
            return emitClass(all, negated);
        }
        if (chars.empty()) {
            m_out += u"(?-i:";
            emitClass(esc, negated);
            m_out += u')';
            return;
        }
        if (!negated) {
            m_out += u"(?:";
            emitClass(chars, false);
            m_out += u"|(?-i:";
            emitClass(esc, false);
            m_out += u"))";
        } else {
            m_out += u"(?:(?!";
            emitClass(chars, false);
            m_out += u")(?-i:";
            emitClass(esc, true);
            m_out += u"))";
        }
    }

    std::u16string_view m_s;
    size_t m_i = 0;
    bool m_caseless, m_multiline;
    std::u16string m_out;
    uint32_t m_groups = 0;
    uint32_t m_open = 0;
    bool m_quantifiable = false;
    int32_t m_error = 0;
};

} // namespace

TranslatedPattern translatePattern(std::u16string_view pattern, bool ignoreCase, bool multiline) {
    return Translator(pattern, ignoreCase, multiline).run();
}

} // namespace vbs
