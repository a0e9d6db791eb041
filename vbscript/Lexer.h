#pragma once
// Turns UTF-16 source into tokens: case-insensitive keywords, literals,
// operators and statement separators (newline and ':' both end a statement).
#include "Value.h"

#include <string>
#include <vector>

namespace vbs {

enum class Tok : uint8_t {
    Eof,
    Newline,
    Colon,
    Identifier,
    Number,
    String,
    Date,
    LParen,
    RParen,
    Comma,
    Dot,
    Plus,
    Minus,
    Star,
    Slash,
    Backslash,
    Caret,
    Amp,
    Eq,
    Ne,
    Lt,
    Gt,
    Le,
    Ge,
    // keywords
    And,
    ByRef,
    ByVal,
    Call,
    Case,
    Class,
    Const,
    Dim,
    Do,
    Each,
    Else,
    ElseIf,
    Empty,
    End,
    Eqv,
    Erase,
    Exit,
    False,
    For,
    Function,
    If,
    Imp,
    In,
    Is,
    Loop,
    Me,
    Mod,
    New,
    Next,
    Not,
    Nothing,
    Null,
    On,
    Option,
    Or,
    Private,
    Property,
    Public,
    ReDim,
    Select,
    Set,
    Stop,
    Sub,
    Then,
    To,
    True,
    Until,
    Wend,
    While,
    With,
    Xor,
};

struct Token {
    Tok kind = Tok::Eof;
    int line = 1;
    int col = 1;
    bool spaceBefore = false; // whitespace precedes the token (tells `a .b` from `a.b`)
    std::u16string text;      // identifier / keyword spelling, string contents
    Value value;              // Number and Date literals
};

// Tokenises the whole source; throws ScriptError (compile) on a lexical error.
std::vector<Token> tokenize(std::u16string_view src);

const char16_t* tokenSpelling(Tok t);

} // namespace vbs
