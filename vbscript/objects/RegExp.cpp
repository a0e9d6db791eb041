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
// The pattern itself is translated into PCRE2 syntax first (RegExpSyntax.cpp).
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

namespace {

PCRE2_SPTR16 units(std::u16string_view s) {
    return reinterpret_cast<PCRE2_SPTR16>(s.data());
}
bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Texts reach the object converted as a COM call converts them: a Boolean
// is its number ("-1"), not the word CStr makes of it.
std::u16string callText(const Value& v) {
    if (v.type() == VarType::Boolean) return v.asBoolean() ? u"-1" : u"0";
    return toString(v);
}

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
        if (code == PCRE2_ERROR_PARENTHESES_NEST_TOO_DEEP)
            c->error = int32_t(Err::OutOfStack);
        else if (code == PCRE2_ERROR_PATTERN_TOO_LARGE || code == PCRE2_ERROR_HEAP_FAILED)
            c->error = int32_t(Err::OutOfMemory);
        else
            c->error = int32_t(Err::RegExpSyntax);
        return c;
    }
    pcre2_jit_compile_16(c->code, PCRE2_JIT_COMPLETE); // when JIT is unavailable the interpreter runs
    c->data = pcre2_match_data_create_from_pattern_16(c->code, nullptr);
    if (!c->data) throw std::bad_alloc();
    c->groups = t.groups;
    return c;
}

// A replacement string split once into literal runs and $ references.
struct ReplacePiece {
    enum Kind : uint8_t { Text, Group, Whole, Before, After } kind;
    uint32_t a, b; // Text: [a, b) of the replacement; Group: number in a
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
        if (c == u'$')
            p = {ReplacePiece::Text, uint32_t(i + 1), uint32_t(i + 2)};
        else if (c == u'&')
            p.kind = ReplacePiece::Whole;
        else if (c == u'`')
            p.kind = ReplacePiece::Before;
        else if (c == u'\'')
            p.kind = ReplacePiece::After;
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

class RegExpObject final : public EngineObject {
  public:
    explicit RegExpObject(Interp& rt) : EngineObject(rt) {}
    ~RegExpObject() override {
        if (m_context) pcre2_match_context_free_16(m_context);
        if (m_jitStack) pcre2_jit_stack_free_16(m_jitStack);
    }

    std::u16string typeName() const override { return u"IRegExp2"; }
    DispId memberId(std::u16string_view name) override {
        static const char16_t* const names[] = {u"pattern", u"ignorecase", u"global", u"multiline",
                                                u"test",    u"execute",    u"replace"};
        for (size_t i = 0; i < std::size(names); ++i)
            if (equalsNoCase(name, names[i])) return DispId(i + 1);
        return kDispUnknown;
    }
    const void* dispatchKey() const override { return &kKey; }

    bool invoke(DispId id, InvokeKind kind, std::span<Value> args, Value& result, HostError& err) override {
        return engineCall(m_rt, err, [&] { call(id, kind, args, result); });
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
                std::u16string p = callText(m_rt.scalar(onePut(args)));
                if (p != m_pattern) {
                    m_pattern = std::move(p);
                    m_compiled.reset();
                }
            } else {
                noArgs(args);
                result = Value::string(m_pattern);
            }
            return;
        case kIgnoreCase:
            return flag(m_ignoreCase, true, put, args, result);
        case kGlobal:
            return flag(m_global, false, put, args, result);
        case kMultiline:
            return flag(m_multiline, true, put, args, result);
        case kTest:
        case kExecute:
        case kReplace:
            break;
        default:
            throwError(Err::NoSuchMember);
        }
        if (put) throwError(Err::NoSuchMember);
        if (args.size() != (id == kReplace ? 2u : 1u)) throwError(Err::WrongArgCount);
        Value subject = stringArg(args[0]);
        const std::shared_ptr<Compiled> c = compiled();
        if (id == kTest)
            result = Value::boolean(search(*c, subject.asString(), 0));
        else if (id == kExecute)
            result = execute(c, std::move(subject));
        else if (const Value& with = args[1].deref(); with.isObject() && with.asObject())
            result = replaceCalling(*c, subject, with);
        else
            result = replace(*c, subject.asString(), stringArg(args[1]).asString());
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
        return Value::string(callText(v));
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
            case PCRE2_ERROR_NOMATCH:
                return false;
            case PCRE2_ERROR_MATCHLIMIT: {
                int32_t number = 0;
                if (m_rt.stopRequested(number)) throwError(Err(number));
                limit = limit > UINT32_MAX / 2 ? UINT32_MAX : limit * 2;
                break;
            }
            // Backtracking deeper than the stack allows: the classic engine runs
            // out of stack as well. (Retrying in the interpreter would need even
            // more memory and take seconds to fail the same way.)
            case PCRE2_ERROR_JIT_STACKLIMIT:
            case PCRE2_ERROR_HEAPLIMIT:
            case PCRE2_ERROR_DEPTHLIMIT:
                throwError(Err::OutOfStack);
            case PCRE2_ERROR_NOMEMORY:
                throw std::bad_alloc();
            default:
                throwError(Err::InternalError);
            }
        }
    }

    // Calls found(ovector) for the first match, or every match with Global.
    // After an empty match the next search starts one character further, so
    // x* over "abc" matches at 0, 1, 2 and 3.
    template <class F> void eachMatch(Compiled& c, std::u16string_view s, F&& found) {
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
                case ReplacePiece::Text:
                    out.append(with.substr(p.a, p.b - p.a));
                    break;
                case ReplacePiece::Group:
                    if (ov[2 * p.a] != PCRE2_UNSET)
                        out.append(s.substr(ov[2 * p.a], ov[2 * p.a + 1] - ov[2 * p.a]));
                    break;
                case ReplacePiece::Whole:
                    out.append(s.substr(ov[0], ov[1] - ov[0]));
                    break;
                case ReplacePiece::Before:
                    out.append(s.substr(0, ov[0]));
                    break;
                case ReplacePiece::After:
                    out.append(s.substr(ov[1]));
                    break;
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
                args.push_back(ov[2 * g] == PCRE2_UNSET
                                   ? Value()
                                   : Value::string(s.substr(ov[2 * g], ov[2 * g + 1] - ov[2 * g])));
            args.push_back(Value::longv(int32_t(ov[0])));
            args.push_back(subject);
            Value r = m_rt.scalar(m_rt.callValue(fn, args));
            if (r.isString())
                out.append(r.asString());
            else
                out.append(callText(r));
        });
    }

    // The subject with each match replaced by what append(out, ovector) adds.
    template <class F> Value rebuild(Compiled& c, std::u16string_view s, F&& append) {
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

    std::u16string m_pattern;
    bool m_ignoreCase = false;
    bool m_global = false;
    bool m_multiline = false;
    std::shared_ptr<Compiled> m_compiled; // null until used after a change
    pcre2_match_context_16* m_context = nullptr;
    pcre2_jit_stack_16* m_jitStack = nullptr;
};
const int RegExpObject::kKey = 0;

} // namespace

Object* newRegExp(Interp& rt) {
    return new RegExpObject(rt);
}

} // namespace vbs
