#include "Lexer.h"

#include "Convert.h"
#include "Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>

namespace vbs {

namespace {

struct Keyword {
    const char16_t* name;
    Tok tok;
};
const Keyword kKeywords[] = {
    {u"and", Tok::And},
    {u"byref", Tok::ByRef},
    {u"byval", Tok::ByVal},
    {u"call", Tok::Call},
    {u"case", Tok::Case},
    {u"class", Tok::Class},
    {u"const", Tok::Const},
    {u"dim", Tok::Dim},
    {u"do", Tok::Do},
    {u"each", Tok::Each},
    {u"else", Tok::Else},
    {u"elseif", Tok::ElseIf},
    {u"empty", Tok::Empty},
    {u"end", Tok::End},
    {u"eqv", Tok::Eqv},
    {u"erase", Tok::Erase},
    {u"exit", Tok::Exit},
    {u"false", Tok::False},
    {u"for", Tok::For},
    {u"function", Tok::Function},
    {u"if", Tok::If},
    {u"imp", Tok::Imp},
    {u"in", Tok::In},
    {u"is", Tok::Is},
    {u"loop", Tok::Loop},
    {u"me", Tok::Me},
    {u"mod", Tok::Mod},
    {u"new", Tok::New},
    {u"next", Tok::Next},
    {u"not", Tok::Not},
    {u"nothing", Tok::Nothing},
    {u"null", Tok::Null},
    {u"on", Tok::On},
    {u"option", Tok::Option},
    {u"or", Tok::Or},
    {u"private", Tok::Private},
    {u"property", Tok::Property},
    {u"public", Tok::Public},
    {u"redim", Tok::ReDim},
    {u"select", Tok::Select},
    {u"set", Tok::Set},
    {u"stop", Tok::Stop},
    {u"sub", Tok::Sub},
    {u"then", Tok::Then},
    {u"to", Tok::To},
    {u"true", Tok::True},
    {u"until", Tok::Until},
    {u"wend", Tok::Wend},
    {u"while", Tok::While},
    {u"with", Tok::With},
    {u"xor", Tok::Xor},
};

const std::unordered_map<std::u16string, Tok>& keywordMap() {
    static const std::unordered_map<std::u16string, Tok> map = [] {
        std::unordered_map<std::u16string, Tok> m;
        for (const auto& k : kKeywords)
            m.emplace(k.name, k.tok);
        return m;
    }();
    return map;
}

bool isAlpha(char16_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char16_t c) {
    return c >= '0' && c <= '9';
}
bool isSpace(char16_t c) {
    return c == ' ' || c == '\t' || c == 0xA0 || c == 0xFEFF || c == '\f' || c == '\v';
}

class Lexer {
  public:
    explicit Lexer(std::u16string_view s) : m_src(s) {}

    std::vector<Token> run() {
        std::vector<Token> out;
        out.reserve(std::min<size_t>(m_src.size() / 4 + 16, 1u << 16));
        bool space = true;
        bool joined = false; // the previous line ended in " _"
        while (m_pos < m_src.size()) {
            char16_t c = m_src[m_pos];
            if (isSpace(c)) {
                advance(1);
                space = true;
                continue;
            }
            if (c == '\'') {
                skipComment();
                continue;
            }
            if (c == '_' && lineContinuation()) {
                space = true;
                joined = true;
                continue;
            }
            Token t;
            t.line = m_line;
            t.col = col();
            // "o.M() _" then ".N()" on the next line continues the member chain.
            t.spaceBefore = space && !(joined && c == '.');
            space = false;
            joined = false;
            if (c == '\r' || c == '\n') {
                if (c == '\r' && peek(1) == '\n') advance(1);
                advance(1);
                newline();
                t.kind = Tok::Newline;
                space = true;
            } else if (isAlpha(c)) {
                identifier(t);
                // "o.Rem" is a member named Rem, not a comment.
                bool member = !out.empty() && out.back().kind == Tok::Dot && !t.spaceBefore;
                if (t.kind == Tok::Identifier && !member && equalsNoCase(t.text, u"rem")) {
                    skipComment();
                    t.kind = Tok::Newline;
                    continue;
                }
            } else if (c == '[') {
                size_t b = ++m_pos;
                while (m_pos < m_src.size() && m_src[m_pos] != ']' && m_src[m_pos] != '\n' &&
                       m_src[m_pos] != '\r')
                    ++m_pos;
                if (m_pos >= m_src.size() || m_src[m_pos] != ']') fail(Err::ExpectedRBracket, t);
                t.kind = Tok::Identifier;
                t.text = std::u16string(m_src.substr(b, m_pos - b));
                ++m_pos;
            } else if (isDigit(c) || (c == '.' && isDigit(peek(1)))) {
                // ".5" is a number even right after a name: "S.5" calls S with 0.5.
                number(t);
            } else if (c == '"') {
                string(t);
            } else if (c == '#') {
                date(t);
            } else if (c == '&' && radixAhead(out, t.spaceBefore)) {
                radix(t);
            } else {
                punct(t);
            }
            out.push_back(std::move(t));
        }
        Token nl;
        nl.kind = Tok::Newline;
        nl.line = m_line;
        nl.col = col();
        out.push_back(nl);
        Token eof;
        eof.kind = Tok::Eof;
        eof.line = m_line;
        eof.col = col();
        out.push_back(std::move(eof));
        return out;
    }

  private:
    char16_t peek(size_t k) const { return m_pos + k < m_src.size() ? m_src[m_pos + k] : 0; }
    void advance(size_t k) { m_pos += k; }
    int col() const { return int(m_pos - m_lineStart) + 1; }
    void newline() {
        ++m_line;
        m_lineStart = m_pos;
    }

    [[noreturn]] void fail(Err e, const Token& t) { failAt(e, t.line, t.col); }
    [[noreturn]] void failAt(Err e, int line, int column) {
        ScriptError err;
        err.number = int32_t(e);
        err.description = std::u16string(errorText(err.number));
        err.line = line;
        err.column = column;
        err.compile = true;
        throw err;
    }

    void skipComment() {
        while (m_pos < m_src.size() && m_src[m_pos] != '\n' && m_src[m_pos] != '\r')
            ++m_pos;
    }

    // "_" at the end of a line (only blanks after it) joins the next line.
    bool lineContinuation() {
        size_t p = m_pos + 1;
        while (p < m_src.size() && isSpace(m_src[p]))
            ++p;
        if (p < m_src.size() && m_src[p] != '\r' && m_src[p] != '\n') return false;
        if (p < m_src.size() && m_src[p] == '\r') ++p;
        if (p < m_src.size() && m_src[p] == '\n') ++p;
        m_pos = p;
        newline();
        return true;
    }

    void identifier(Token& t) {
        size_t b = m_pos;
        while (m_pos < m_src.size() &&
               (isAlpha(m_src[m_pos]) || isDigit(m_src[m_pos]) || m_src[m_pos] == '_'))
            ++m_pos;
        if (m_pos - b > 255) fail(Err::IdentifierTooLong, t);
        t.text = std::u16string(m_src.substr(b, m_pos - b));
        auto& km = keywordMap();
        auto it = km.find(lowerName(t.text));
        t.kind = it == km.end() ? Tok::Identifier : it->second;
    }

    void number(Token& t) {
        size_t b = m_pos;
        bool isFloat = false;
        while (isDigit(peek(0)))
            ++m_pos;
        if (peek(0) == '.' && isDigit(peek(1))) {
            isFloat = true;
            ++m_pos;
            while (isDigit(peek(0)))
                ++m_pos;
        } else if (peek(0) == '.' && !isAlpha(peek(1))) {
            isFloat = true;
            ++m_pos;
        }
        if ((peek(0) == 'e' || peek(0) == 'E') &&
            (isDigit(peek(1)) || ((peek(1) == '+' || peek(1) == '-') && isDigit(peek(2))))) {
            isFloat = true;
            m_pos += 2;
            while (isDigit(peek(0)))
                ++m_pos;
        }
        if (isAlpha(peek(0)) || peek(0) == '_') fail(Err::ExpectedEndOfStatement, t);
        std::string s(m_src.begin() + long(b), m_src.begin() + long(m_pos));
        double d = std::strtod(s.c_str(), nullptr);
        if (std::isinf(d)) fail(Err::InvalidNumber, t);
        t.kind = Tok::Number;
        if (!isFloat && d <= 32767)
            t.value = Value::integer(int16_t(d));
        else if (!isFloat && d <= 2147483647.0)
            t.value = Value::longv(int32_t(d));
        else
            t.value = Value::dbl(d);
    }

    // "&H1F" / "&O17" start a number only when a digit of that base follows;
    // otherwise '&' is concatenation ("s&other"). "&17" (octal without the O)
    // is a number too ("S &17" passes 15), except straight after an operand:
    // "s&1" joins.
    bool radixAhead(const std::vector<Token>& out, bool spaceBefore) const {
        char16_t k = peek(1), d = peek(2);
        if (k == 'h' || k == 'H') return isDigit(d) || (d >= 'a' && d <= 'f') || (d >= 'A' && d <= 'F');
        if (k == 'o' || k == 'O') return d >= '0' && d <= '7';
        return isDigit(k) && (spaceBefore || out.empty() || !endsOperand(out.back().kind));
    }

    static bool endsOperand(Tok k) {
        switch (k) {
        case Tok::Identifier:
        case Tok::Number:
        case Tok::String:
        case Tok::Date:
        case Tok::RParen:
        case Tok::True:
        case Tok::False:
        case Tok::Empty:
        case Tok::Null:
        case Tok::Nothing:
        case Tok::Me:
            return true;
        default:
            return false;
        }
    }

    // Hex and octal literals take the 32-bit value of their digits; without the
    // '&' suffix a value of at most 16 bits is read as a signed 16-bit one
    // (&HFFFF is -1). The subtype follows the value: Integer when it fits,
    // except -32768, which is a Long.
    void radix(Token& t) {
        ++m_pos; // '&'
        int base = 8;
        if (peek(0) == 'h' || peek(0) == 'H') {
            base = 16;
            ++m_pos;
        } else if (peek(0) == 'o' || peek(0) == 'O') {
            ++m_pos;
        }
        size_t b = m_pos;
        uint64_t acc = 0;
        while (true) {
            char16_t c = peek(0);
            int d = isDigit(c)               ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : 99;
            if (d >= base) break;
            acc = acc * base + d;
            if (acc > 0xFFFFFFFFull) fail(Err::InvalidNumber, t);
            ++m_pos;
        }
        if (m_pos == b || (base == 8 && isDigit(peek(0)))) fail(Err::SyntaxError, t);
        int32_t v;
        if (peek(0) == '&') {
            ++m_pos;
            v = int32_t(uint32_t(acc));
        } else {
            v = acc <= 0xFFFF ? int16_t(uint16_t(acc)) : int32_t(uint32_t(acc));
        }
        t.kind = Tok::Number;
        if (v > INT16_MIN && v <= INT16_MAX)
            t.value = Value::integer(int16_t(v));
        else
            t.value = Value::longv(v);
    }

    void string(Token& t) {
        ++m_pos;
        std::u16string s;
        while (true) {
            if (m_pos >= m_src.size() || m_src[m_pos] == '\n' || m_src[m_pos] == '\r')
                fail(Err::UnterminatedString, t);
            size_t b = m_pos;
            while (m_pos < m_src.size() && m_src[m_pos] != '"' && m_src[m_pos] != '\n' &&
                   m_src[m_pos] != '\r')
                ++m_pos;
            s.append(m_src.substr(b, m_pos - b));
            if (m_pos < m_src.size() && m_src[m_pos] == '"') {
                if (peek(1) == '"') {
                    s.push_back('"');
                    m_pos += 2;
                    continue;
                }
                ++m_pos;
                break;
            }
        }
        t.kind = Tok::String;
        t.text = std::move(s);
    }

    void date(Token& t) {
        size_t b = ++m_pos;
        while (m_pos < m_src.size() && m_src[m_pos] != '#' && m_src[m_pos] != '\n' && m_src[m_pos] != '\r')
            ++m_pos;
        if (m_pos >= m_src.size() || m_src[m_pos] != '#') fail(Err::SyntaxError, t);
        double d;
        if (!parseDate(m_src.substr(b, m_pos - b), d)) fail(Err::SyntaxError, t);
        ++m_pos;
        t.kind = Tok::Date;
        t.value = Value::date(d);
    }

    void punct(Token& t) {
        char16_t c = m_src[m_pos];
        char16_t n = peek(1);
        Tok k;
        size_t len = 1;
        switch (c) {
        case ':':
            k = Tok::Colon;
            break;
        case '(':
            k = Tok::LParen;
            break;
        case ')':
            k = Tok::RParen;
            break;
        case ',':
            k = Tok::Comma;
            break;
        case '.':
            k = Tok::Dot;
            break;
        case '+':
            k = Tok::Plus;
            break;
        case '-':
            k = Tok::Minus;
            break;
        case '*':
            k = Tok::Star;
            break;
        case '/':
            k = Tok::Slash;
            break;
        case '\\':
            k = Tok::Backslash;
            break;
        case '^':
            k = Tok::Caret;
            break;
        case '&':
            k = Tok::Amp;
            break;
        case '=':
            // "=>" and "=<" are read as ">=" and "<=".
            if (n == '>') {
                k = Tok::Ge;
                len = 2;
            } else if (n == '<') {
                k = Tok::Le;
                len = 2;
            } else
                k = Tok::Eq;
            break;
        case '<':
            if (n == '>') {
                k = Tok::Ne;
                len = 2;
            } else if (n == '=') {
                k = Tok::Le;
                len = 2;
            } else
                k = Tok::Lt;
            break;
        case '>':
            if (n == '<') { // "><" is "<>"
                k = Tok::Ne;
                len = 2;
            } else if (n == '=') {
                k = Tok::Ge;
                len = 2;
            } else
                k = Tok::Gt;
            break;
        default:
            fail(Err::InvalidCharacter, t);
        }
        t.kind = k;
        m_pos += len;
    }

    std::u16string_view m_src;
    size_t m_pos = 0;
    size_t m_lineStart = 0;
    int m_line = 1;
};

} // namespace

std::vector<Token> tokenize(std::u16string_view src) {
    return Lexer(src).run();
}

const char16_t* tokenSpelling(Tok t) {
    for (const auto& k : kKeywords)
        if (k.tok == t) return k.name;
    return u"?";
}

} // namespace vbs
