// The RegExp object (IRegExp2): Pattern, IgnoreCase, Global, Multiline,
// Test, Execute and Replace, on PCRE2's UTF-16 library.
//
// Why PCRE2 and not std::regex: std::regex has no UTF-16 strings worth the
// name, recurses once per character so a long subject blows the C++ stack,
// cannot be bounded or interrupted (a catastrophic pattern hangs the player),
// and is slow. PCRE2 JIT-compiles the pattern, backtracks on its own heap or
// JIT stack, and stops at a match limit, where we ask the engine's time-out
// and interrupt whether to go on.
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
#include "ObjectKit.h"

#include "Classic.h"

#include "../Convert.h"
#include "../Errors.h"
#include "../Interp.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

namespace vbs {

// ---------------------------------------------------------------------------
// Pattern translation
// ---------------------------------------------------------------------------
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
    if (bits & kNotWord) out.insert(out.end(), {{0, u'/'}, {u':', u'@'}, {u'[', u'^'}, {u'`', u'`'}, {u'{', 0xFFFF}});
    if (bits & kSpace) out.insert(out.end(), {{9, 13}, {u' ', u' '}});
    if (bits & kNotSpace) out.insert(out.end(), {{0, 8}, {14, 31}, {u'!', 0xFFFF}});
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool isOctal(char16_t c) { return c >= u'0' && c <= u'7'; }
bool isLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
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
        if (c == u'\\') { ++i; continue; }
        if (inClass) { if (c == u']') inClass = false; continue; }
        if (c == u'[') inClass = true;
        else if (c == u'(' && !(i + 1 < s.size() && s[i + 1] == u'?')) ++count;
    }
    return count;
}

class Translator {
public:
    Translator(std::u16string_view s, bool caseless, bool multiline)
        : m_s(s), m_caseless(caseless), m_multiline(multiline) {}

    TranslatedPattern run() {
        m_groups = countGroups(m_s);
        while (m_i < m_s.size() && !m_error) term();
        if (!m_error && m_open > 0) m_error = int32_t(Err::RegExpExpectedParen);
        TranslatedPattern t;
        t.error = m_error;
        t.groups = m_groups;
        if (!m_error) t.pcre = std::move(m_out);
        return t;
    }

private:
    struct ClassAtom {
        uint8_t bits;  // an escape class, or 0 for the character ch
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
        case u'|': m_out += u'|'; m_quantifiable = false; break;
        case u'(': group(); break;
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
        case u'.': m_out += u"[^\\n]"; m_quantifiable = true; break;
        case u'*': case u'+': case u'?': quantifier(std::u16string(1, c)); break;
        case u'{': braces(); break;
        case u'[': charClass(); break;
        case u'\\': escape(); break;
        default: literal(c);
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
            while (isDigit(peek())) v = std::min<uint32_t>(v * 10 + uint32_t(m_s[m_i++] - u'0'), 1000000000u);
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
        if (!bounded) q += u",";
        else if (hi != lo) q += u"," + number16(hi);
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
        case u'd': return set({}, kDigit, false);
        case u'D': return set({}, kNotDigit, false);
        case u'w': return set({}, kWord, false);
        case u'W': return set({}, kNotWord, false);
        case u's': return set({}, kSpace, false);
        case u'S': return set({}, kNotSpace, false);
        default: break;
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
        case u'f': return 0x0C;
        case u'n': return 0x0A;
        case u'r': return 0x0D;
        case u't': return 0x09;
        case u'v': return 0x0B;
        case u'c':
            if (isLetter(peek())) return char16_t(m_s[m_i++] % 32);
            return u'c';
        case u'x': case u'u': {
            int digits = c == u'x' ? 2 : 4, value = 0;
            for (int k = 0; k < digits; ++k) {
                int h = hexValue(peek(size_t(k)));
                if (h < 0) return c;
                value = value * 16 + h;
            }
            m_i += size_t(digits);
            return char16_t(value);
        }
        default: return c;
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
        for (int shift = 12; shift >= 0; shift -= 4) m_out += hex[(c >> shift) & 15];
    }

    void charClass() {
        bool negated = peek() == u'^';
        if (negated) ++m_i;
        std::vector<Range> chars;
        uint8_t bits = 0;
        auto add = [&](ClassAtom a) {
            if (a.bits) bits |= a.bits;
            else chars.push_back({a.ch, a.ch});
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
        case u'd': return {kDigit, 0};
        case u'D': return {kNotDigit, 0};
        case u'w': return {kWord, 0};
        case u'W': return {kNotWord, 0};
        case u's': return {kSpace, 0};
        case u'S': return {kNotSpace, 0};
        case u'b': return {0, 0x08};  // backspace inside a class
        default: break;
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

}  // namespace

TranslatedPattern translatePattern(std::u16string_view pattern, bool ignoreCase, bool multiline) {
    return Translator(pattern, ignoreCase, multiline).run();
}

// ---------------------------------------------------------------------------
// The RegExp object
// ---------------------------------------------------------------------------
namespace {

PCRE2_SPTR16 units(std::u16string_view s) { return reinterpret_cast<PCRE2_SPTR16>(s.data()); }

// A compiled pattern with its match data; shared so a search in progress
// keeps it while the script changes Pattern.
struct Compiled {
    pcre2_code_16* code = nullptr;
    pcre2_match_data_16* data = nullptr;
    uint32_t groups = 0;
    int32_t error = 0;

    Compiled() = default;
    Compiled(const Compiled&) = delete;
    Compiled& operator=(const Compiled&) = delete;
    ~Compiled() {
        if (data) pcre2_match_data_free_16(data);
        if (code) pcre2_code_free_16(code);
    }
};

std::shared_ptr<Compiled> compilePattern(std::u16string_view pattern, bool ignoreCase, bool multiline) {
    auto c = std::make_shared<Compiled>();
    TranslatedPattern t = translatePattern(pattern, ignoreCase, multiline);
    if (t.error) {
        c->error = t.error;
        return c;
    }
    uint32_t options = PCRE2_ALT_BSUX | PCRE2_DOLLAR_ENDONLY | PCRE2_MATCH_UNSET_BACKREF | PCRE2_NEVER_UTF |
                       PCRE2_NEVER_BACKSLASH_C;
    options |= ignoreCase ? PCRE2_CASELESS | PCRE2_UCP : PCRE2_NEVER_UCP;
    int code = 0;
    PCRE2_SIZE offset = 0;
    c->code = pcre2_compile_16(units(t.pcre), t.pcre.size(), options, &code, &offset, nullptr);
    if (!c->code) {
        // Our translation only leaves PCRE2's own limits to fail on.
        if (code == PCRE2_ERROR_PARENTHESES_NEST_TOO_DEEP) c->error = int32_t(Err::OutOfStack);
        else if (code == PCRE2_ERROR_PATTERN_TOO_LARGE || code == PCRE2_ERROR_HEAP_FAILED) c->error = int32_t(Err::OutOfMemory);
        else c->error = int32_t(Err::RegExpSyntax);
        return c;
    }
    pcre2_jit_compile_16(c->code, PCRE2_JIT_COMPLETE);  // when JIT is unavailable the interpreter runs
    c->data = pcre2_match_data_create_from_pattern_16(c->code, nullptr);
    if (!c->data) throw std::bad_alloc();
    c->groups = t.groups;
    return c;
}

// A replacement string split once into literal runs and $ references.
struct ReplacePiece {
    enum Kind : uint8_t { Text, Group, Whole, Before, After } kind;
    uint32_t a, b;  // Text: [a, b) of the replacement; Group: number in a
};

std::vector<ReplacePiece> parseReplacement(std::u16string_view r, uint32_t groups) {
    std::vector<ReplacePiece> out;
    size_t textStart = 0;
    auto flush = [&](size_t end) {
        if (end > textStart) out.push_back({ReplacePiece::Text, uint32_t(textStart), uint32_t(end)});
    };
    for (size_t i = 0; i + 1 < r.size(); ++i) {
        if (r[i] != u'$') continue;
        char16_t c = r[i + 1];
        ReplacePiece p{ReplacePiece::Text, 0, 0};
        size_t len = 2;
        if (c == u'$') p = {ReplacePiece::Text, uint32_t(i + 1), uint32_t(i + 2)};
        else if (c == u'&') p.kind = ReplacePiece::Whole;
        else if (c == u'`') p.kind = ReplacePiece::Before;
        else if (c == u'\'') p.kind = ReplacePiece::After;
        else if (isDigit(c)) {
            // $nn when group nn exists, else $n when group n exists, else literal.
            uint32_t one = uint32_t(c - u'0');
            uint32_t two = i + 2 < r.size() && isDigit(r[i + 2]) ? one * 10 + uint32_t(r[i + 2] - u'0') : 0;
            if (two >= 1 && two <= groups) {
                p = {ReplacePiece::Group, two, 0};
                len = 3;
            } else if (one >= 1 && one <= groups) {
                p = {ReplacePiece::Group, one, 0};
            } else {
                continue;
            }
        } else {
            continue;
        }
        flush(i);
        out.push_back(p);
        i += len - 1;
        textStart = i + 1;
    }
    flush(r.size());
    return out;
}

class RegExpObject final : public Object {
public:
    explicit RegExpObject(Interp& rt) : m_rt(rt) {}
    ~RegExpObject() override {
        if (m_context) pcre2_match_context_free_16(m_context);
        if (m_jitStack) pcre2_jit_stack_free_16(m_jitStack);
    }

    std::u16string typeName() const override { return u"IRegExp2"; }
    DispId memberId(std::u16string_view name) override {
        static const char16_t* const names[] = {u"pattern", u"ignorecase", u"global", u"multiline",
                                                u"test", u"execute", u"replace"};
        for (size_t i = 0; i < std::size(names); ++i)
            if (equalsNoCase(name, names[i])) return DispId(i + 1);
        return kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }

    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return hostCall(err, [&] { call(id, kind, args, result); });
    }

private:
    enum : DispId { kPattern = 1, kIgnoreCase, kGlobal, kMultiline, kTest, kExecute, kReplace };
    // The first match limit; each time it is hit the engine is asked whether
    // the script must stop, then it doubles, so the repeated work stays within
    // a constant factor of what the search needs.
    static constexpr uint32_t kFirstMatchLimit = 1u << 20;
    // Between matches of one Global search the engine is asked now and then too.
    static constexpr unsigned kMatchesPerPoll = 1024;
    // Backtracking memory of one search (JIT stack or interpreter heap).
    static constexpr size_t kBacktrackBytes = 16u << 20;
    static const int kKey;

    void call(DispId id, InvokeKind kind, std::span<Value> args, Value& result) {
        bool put = kind == InvokeKind::PropertyPut || kind == InvokeKind::PropertyPutRef;
        switch (id) {
        case kPattern:
            if (put) {
                std::u16string p = toString(m_rt.scalar(onePut(args)));
                if (p != m_pattern) {
                    m_pattern = std::move(p);
                    m_compiled.reset();
                }
            } else {
                noArgs(args);
                result = Value::string(m_pattern);
            }
            return;
        case kIgnoreCase: return flag(m_ignoreCase, true, put, args, result);
        case kGlobal: return flag(m_global, false, put, args, result);
        case kMultiline: return flag(m_multiline, true, put, args, result);
        case kTest: case kExecute: case kReplace: break;
        default: throwError(Err::NoSuchMember);
        }
        if (put) throwError(Err::NoSuchMember);
        if (args.size() != (id == kReplace ? 2u : 1u)) throwError(Err::WrongArgCount);
        Value subject = stringArg(args[0]);
        const std::shared_ptr<Compiled> c = compiled();
        if (id == kTest) result = Value::boolean(search(*c, subject.asString(), 0));
        else if (id == kExecute) result = execute(c, std::move(subject));
        else if (const Value& with = args[1].deref(); with.isObject() && with.asObject())
            result = replaceCalling(*c, subject, with);
        else result = replace(*c, subject.asString(), stringArg(args[1]).asString());
    }

    static const Value& onePut(std::span<Value> args) {
        if (args.size() != 1) throwError(Err::WrongArgCount);
        return args[0];
    }
    static void noArgs(std::span<Value> args) {
        if (!args.empty()) throwError(Err::WrongArgCount);
    }

    void flag(bool& field, bool recompile, bool put, std::span<Value> args, Value& result) {
        if (!put) {
            noArgs(args);
            result = Value::boolean(field);
            return;
        }
        bool v = toBool(m_rt.scalar(onePut(args)));
        if (v != field && recompile) m_compiled.reset();
        field = v;
    }

    Value stringArg(const Value& arg) {
        Value v = m_rt.scalar(arg);
        if (v.isString()) return v;
        return Value::string(toString(v));
    }

    // The compiled pattern, compiled again only after Pattern, IgnoreCase or
    // Multiline changed; a faulty pattern raises its error each time it is used.
    std::shared_ptr<Compiled> compiled() {
        if (!m_compiled) m_compiled = compilePattern(m_pattern, m_ignoreCase, m_multiline);
        if (m_compiled->error) throwError(Err(m_compiled->error));
        return m_compiled;
    }

    pcre2_match_context_16* context() {
        if (m_context) return m_context;
        m_context = pcre2_match_context_create_16(nullptr);
        if (!m_context) throw std::bad_alloc();
        // Where JIT is unavailable the interpreter backtracks on the heap:
        // bound that like the JIT stack below, and by the script memory limit.
        size_t heap = std::min<size_t>(m_rt.config().memoryLimit, kBacktrackBytes) / 1024;
        pcre2_set_heap_limit_16(m_context, uint32_t(heap));
        m_jitStack = pcre2_jit_stack_create_16(32 * 1024, kBacktrackBytes, nullptr);
        if (m_jitStack) pcre2_jit_stack_assign_16(m_context, nullptr, m_jitStack);
        return m_context;
    }

    // One search from start; the match is left in c.data.
    bool search(Compiled& c, std::u16string_view s, size_t start) {
        pcre2_match_context_16* ctx = context();
        uint32_t limit = kFirstMatchLimit;
        for (;;) {
            pcre2_set_match_limit_16(ctx, limit);
            int rc = pcre2_match_16(c.code, units(s), s.size(), start, 0, c.data, ctx);
            if (rc >= 0) return true;
            switch (rc) {
            case PCRE2_ERROR_NOMATCH: return false;
            case PCRE2_ERROR_MATCHLIMIT: {
                int32_t number = 0;
                if (m_rt.stopRequested(number)) throwError(Err(number));
                limit = limit > UINT32_MAX / 2 ? UINT32_MAX : limit * 2;
                break;
            }
            // Backtracking deeper than the stack allows: the classic engine runs
            // out of stack as well. (Retrying in the interpreter would need even
            // more memory and take seconds to fail the same way.)
            case PCRE2_ERROR_JIT_STACKLIMIT: case PCRE2_ERROR_HEAPLIMIT: case PCRE2_ERROR_DEPTHLIMIT:
                throwError(Err::OutOfStack);
            case PCRE2_ERROR_NOMEMORY: throw std::bad_alloc();
            default: throwError(Err::InternalError);
            }
        }
    }

    // Calls found(ovector) for the first match, or every match with Global.
    // After an empty match the next search starts one character further, so
    // x* over "abc" matches at 0, 1, 2 and 3.
    template <class F>
    void eachMatch(Compiled& c, std::u16string_view s, F&& found) {
        size_t start = 0;
        unsigned sincePoll = 0;
        while (start <= s.size() && search(c, s, start)) {
            const PCRE2_SIZE* ov = pcre2_get_ovector_pointer_16(c.data);
            // Read before found(): a replacement function may search with this object again.
            size_t begin = ov[0], end = ov[1];
            found(ov);
            if (!m_global) return;
            start = end > begin ? end : begin + 1;
            if (++sincePoll == kMatchesPerPoll) {
                sincePoll = 0;
                int32_t number = 0;
                if (m_rt.stopRequested(number)) throwError(Err(number));
            }
        }
    }

    Value execute(const std::shared_ptr<Compiled>& c, Value subject) {
        auto set = std::make_shared<MatchSet>();
        set->subject = std::move(subject);
        set->groups = c->groups;
        const size_t pairs = size_t(c->groups) + 1;
        eachMatch(*c, set->text(), [&](const PCRE2_SIZE* ov) {
            m_rt.checkMemory((set->spans.size() + 2 * pairs) * sizeof(size_t));
            for (size_t g = 0; g < 2 * pairs; ++g)
                set->spans.push_back(ov[g] == PCRE2_UNSET ? MatchSet::kUnset : size_t(ov[g]));
        });
        return Value::object(newMatchCollection(m_rt, std::move(set)));
    }

    // Replace(s, text): $ references expanded from the match.
    Value replace(Compiled& c, std::u16string_view s, std::u16string_view with) {
        std::vector<ReplacePiece> pieces = parseReplacement(with, c.groups);
        return rebuild(c, s, [&](std::u16string& out, const PCRE2_SIZE* ov) {
            for (const ReplacePiece& p : pieces) {
                switch (p.kind) {
                case ReplacePiece::Text: out.append(with.substr(p.a, p.b - p.a)); break;
                case ReplacePiece::Group:
                    if (ov[2 * p.a] != PCRE2_UNSET) out.append(s.substr(ov[2 * p.a], ov[2 * p.a + 1] - ov[2 * p.a]));
                    break;
                case ReplacePiece::Whole: out.append(s.substr(ov[0], ov[1] - ov[0])); break;
                case ReplacePiece::Before: out.append(s.substr(0, ov[0])); break;
                case ReplacePiece::After: out.append(s.substr(ov[1])); break;
                }
            }
        });
    }

    // Replace(s, object): the object's default method is called for each
    // match with (match, submatch 1 .. n, position, source) and returns the
    // replacement; a script Function passed with GetRef works that way too.
    Value replaceCalling(Compiled& c, const Value& subject, const Value& fn) {
        std::u16string_view s = subject.asString();
        std::vector<Value> args;
        return rebuild(c, s, [&](std::u16string& out, const PCRE2_SIZE* ov) {
            // The call may run this object again: take everything from ov first.
            args.clear();
            args.push_back(Value::string(s.substr(ov[0], ov[1] - ov[0])));
            for (uint32_t g = 1; g <= c.groups; ++g)
                args.push_back(ov[2 * g] == PCRE2_UNSET ? Value() : Value::string(s.substr(ov[2 * g], ov[2 * g + 1] - ov[2 * g])));
            args.push_back(Value::longv(int32_t(ov[0])));
            args.push_back(subject);
            Value r = m_rt.scalar(m_rt.callValue(fn, args));
            if (r.isString()) out.append(r.asString());
            else out.append(toString(r));
        });
    }

    // The subject with each match replaced by what append(out, ovector) adds.
    template <class F>
    Value rebuild(Compiled& c, std::u16string_view s, F&& append) {
        std::u16string out;
        size_t copied = 0;
        eachMatch(c, s, [&](const PCRE2_SIZE* ov) {
            size_t begin = ov[0], end = ov[1];
            out.append(s.substr(copied, begin - copied));
            append(out, ov);
            copied = end;
            m_rt.checkMemory(out.size() * sizeof(char16_t));
        });
        out.append(s.substr(std::min(copied, s.size())));
        m_rt.checkMemory(out.size() * sizeof(char16_t));
        return Value::string(std::move(out));
    }

    Interp& m_rt;
    std::u16string m_pattern;
    bool m_ignoreCase = false;
    bool m_global = false;
    bool m_multiline = false;
    std::shared_ptr<Compiled> m_compiled;  // null until used after a change
    pcre2_match_context_16* m_context = nullptr;
    pcre2_jit_stack_16* m_jitStack = nullptr;
};
const int RegExpObject::kKey = 0;

}  // namespace

Object* newRegExp(Interp& rt) { return new RegExpObject(rt); }

}  // namespace vbs
